#include "app/shell/errorbar/ErrorBar.h"

#include "app/ui/text/FittingFont.h"
#include "platform/base/Callback.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using namespace platform::ui;

void ErrorBar::registerInterfaceFile() {
    InterfaceFile::registerBuilder(kInterfaceFileName, [](InterfaceContext& file) {
        auto bar = file.makeTopLevel<ErrorBar>(Rect(0, 0, 320, kHeight));
        bar->setBackgroundColor(platform::gfx::Color::rgba(0.55, 0.05, 0.05, 0.92));
        bar->m_messageLabel = file.make<Label>(Rect(8, 0, 276, kHeight));
        bar->m_messageLabel->setFont(platform::gfx::Font::boldSystemFont(kFontSize));
        bar->m_messageLabel->setTextColor(platform::gfx::Color::white());
        bar->m_button = file.make<Button>(ButtonType::Custom, Rect(290, 3, 24, 24));
        bar->m_button->setImage(Image::named("errorbar-close.png"));
        bar->m_button->addAction(kControlEventTouchUpInside, platform::bindWeak(bar, [](ErrorBar& errorBar, Control&) {
                                     errorBar.buttonPressed();
                                 }));
        bar->addSubview(bar->m_messageLabel);
        bar->addSubview(bar->m_button);
    });
}

void ErrorBar::setMessage(const std::string& message) {
    if (message != m_message) {
        m_message = message;
    }
    m_messageLabel->setFont(fittingBoldFont(m_message, m_messageLabel->bounds().width(), kFontSize, kMinimumFontSize));
    m_messageLabel->setText(m_message);
    m_messageLabel->setNeedsDisplay();
}

void ErrorBar::buttonPressed() {
    if (const auto target = delegate()) {
        target->errorBarShouldClose(*this);
    }
}

}  // namespace qov
