#pragma once

#include <memory>
#include <string>

#include "app/ui/base/QOVViewController.h"

namespace qov {

class QOVSectionHeaderView;

// A screen with a section header on top of its view: the header (owned) is added when the view loads, titled
// with headerTitleText(), and takes the theme's header colour. headerTitleText is abstract: the base raises
// "Abstract Class Exception". Main thread only.
class QOVViewControllerWithSectionHeader : public QOVViewController {
public:
    using QOVViewController::QOVViewController;

    virtual std::string headerTitleText() const;

    void viewDidLoad() override;
    void applyTheme() override;
    void viewDidUnload() override;

    const std::shared_ptr<QOVSectionHeaderView>& header() const { return m_header; }

protected:
    std::shared_ptr<QOVSectionHeaderView> m_header;
};

}  // namespace qov
