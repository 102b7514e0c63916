#include "app/neighbours/screens/VideoViewController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

VideoViewController::VideoViewController(std::string nibName) : NeighbourScreen(std::move(nibName), "Video") {
    setTabItem("video", localized("video.tabbar.title"), "tabbar-icon-video.png", "Video", "VIDEO");
    setUSOnly(false);
}

}  // namespace qov
