#include "app/neighbours/screens/ModalScreenButton.h"

#include <memory>

#include "platform/ui/Button.h"

namespace qov {

void addModalScreenButton(platform::ui::View& view, const std::string& title, std::function<void()> action) {
    using namespace platform::ui;
    auto button = std::make_shared<Button>(ButtonType::RoundedRect, Rect(230, 10, 80, 32));
    button->setTitle(title);
    button->addAction(kControlEventTouchUpInside, [action = std::move(action)](Control&) { action(); });
    view.addSubview(button);
}

}  // namespace qov
