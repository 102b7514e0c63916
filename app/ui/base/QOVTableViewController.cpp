#include "app/ui/base/QOVTableViewController.h"

#include "app/ui/categories/UIDeviceQOV.h"
#include "platform/base/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Screen.h"

namespace qov {

using namespace platform::ui;

int QOVTableViewController::tableViewNumberOfRowsInSection(TableView&, int) {
    platform::Exception::raiseAbstractClass(className(), "tableView:numberOfRowsInSection:");
}

std::shared_ptr<TableViewCell> QOVTableViewController::tableViewCellForRow(TableView&, const IndexPath&) {
    platform::Exception::raiseAbstractClass(className(), "tableView:cellForRowAtIndexPath:");
}

void QOVTableViewController::loadView() {
    TableViewController::loadView();
    const auto table = tableView();
    table->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
    table->setDelegate(std::static_pointer_cast<QOVTableViewController>(shared_from_this()));
}

void QOVTableViewController::viewWillAppear(bool animated) {
    TableViewController::viewWillAppear(animated);
    const auto& application = Application::shared();
    const double statusBarHeight = application.isStatusBarHidden() ? 0.0 : Application::kStatusBarHeight;
    const Rect screen = Screen::bounds();
    const double screenHeight = Device::current().isLandscape() ? screen.size.width : screen.size.height;
    Rect frame = view()->frame();
    frame.origin.y = statusBarHeight;
    frame.size.height = screenHeight - statusBarHeight;
    view()->setFrame(frame);
}

void QOVTableViewController::viewDidAppear(bool animated) {
    const auto table = tableView();
    if (const auto selected = table->indexPathForSelectedRow()) {
        table->deselectRow(*selected, true);
    }
    TableViewController::viewDidAppear(animated);
}

bool QOVTableViewController::shouldAutorotateToInterfaceOrientation(DeviceOrientation orientation) const {
    return UIDeviceQOV::isPad() || orientation == DeviceOrientation::Portrait;
}

}  // namespace qov
