#pragma once

#include <functional>
#include <string>

#include "platform/ui/View.h"

namespace qov {

// Adds a titled button to the top-right corner of a modal screen's view that runs the action when tapped.
void addModalScreenButton(platform::ui::View& view, const std::string& title, std::function<void()> action);

}  // namespace qov
