#pragma once

#include <memory>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/Label.h"

namespace qov {

// A row of the terms screen: the document's title and, for the optional services, an ON/OFF status.
class TermsItemCell : public QOVTableViewCell {
public:
    TermsItemCell();

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_titleText;
    std::shared_ptr<platform::ui::Label> m_status;

    std::string text() const override;
};

}  // namespace qov
