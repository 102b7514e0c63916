#pragma once

#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"

namespace qov {

// What the screens of the content, community and social sections show for now: an empty themed screen
// with their title, made from their interface file, under their page name.
class NeighbourScreen : public QOVViewController {
public:
    NeighbourScreen(std::string nibName, std::string pageName);

    std::optional<std::string> pageName() const override { return m_pageName; }

    // Registers the interface file that shows the owner's title in the middle of a themed view.
    static void registerTitledInterfaceFile(const std::string& name);

protected:
    // Titles the screen with the localised title and gives it its tab item (tag 1; the strip renumbers).
    void setTabItem(const std::string& name, const std::string& title, const std::string& image,
                    const std::string& contentType, const std::string& level1Beacon,
                    const std::string& level2Beacon = {});

private:
    std::string m_pageName;
};

}  // namespace qov
