#include "app/ui/base/QOVViewControllerWithSectionHeader.h"

#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Exception.h"

namespace qov {

std::string QOVViewControllerWithSectionHeader::headerTitleText() const {
    platform::Exception::raiseAbstractClass(className(), "headerTitleText");
}

void QOVViewControllerWithSectionHeader::viewDidLoad() {
    m_header = QOVSectionHeaderView::headerWithStandardSize();
    if (m_header) {
        view()->addSubview(m_header);
        m_header->m_titleLabel->setText(headerTitleText());
    }
    QOVViewController::viewDidLoad();
}

void QOVViewControllerWithSectionHeader::applyTheme() {
    QOVViewController::applyTheme();
    if (m_header) {
        m_header->setBackgroundColor(QOVThemeService::headerColor());
    }
}

void QOVViewControllerWithSectionHeader::viewDidUnload() {
    QOVViewController::viewDidUnload();
    if (m_header) {
        m_header->removeFromSuperview();
        m_header.reset();
    }
}

}  // namespace qov
