#include "app/shell/terms/TermsItemCell.h"

namespace qov {

TermsItemCell::TermsItemCell() : QOVTableViewCell(platform::ui::TableViewCellStyle::Default, "TermsItemCell") {}

std::string TermsItemCell::text() const { return m_titleText ? m_titleText->text() : QOVTableViewCell::text(); }

}  // namespace qov
