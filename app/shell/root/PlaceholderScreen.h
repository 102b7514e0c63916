#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/shell/base/QOVViewController.h"

namespace qov {

// A tab screen whose content comes with later work: it registers its tab item (name, localised title, icon,
// content type, first beacon) and shows an empty themed screen with its title. Main thread only.
class PlaceholderScreen : public QOVViewController {
public:
    struct Tab {
        std::string name;
        std::string titleKey;
        std::string image;
        std::string contentType;
        std::string level1Beacon;
    };

    PlaceholderScreen(const Tab& tab, std::optional<std::string> pageName);

    // The themed view with the tab's title.
    void loadView() override;
    std::optional<std::string> pageName() const override { return m_pageName; }

private:
    std::optional<std::string> m_pageName;
};

}  // namespace qov
