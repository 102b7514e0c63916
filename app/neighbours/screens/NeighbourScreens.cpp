#include "app/neighbours/screens/NeighbourScreens.h"

#include "app/neighbours/screens/ComposeTweetViewController.h"
#include "app/neighbours/screens/ContactsViewController.h"
#include "app/neighbours/screens/ImageryViewController.h"
#include "app/neighbours/screens/InSeasonViewController.h"
#include "app/neighbours/screens/SevereViewController.h"
#include "app/neighbours/screens/SwaggerViewController.h"
#include "app/neighbours/screens/TDXViewToolCotroller.h"
#include "app/neighbours/screens/VideoViewController.h"
#include "app/neighbours/screens/ZavioNavigationController.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/ClassRegistry.h"

namespace qov {
namespace {

// A screen made with viewControllerFromNib: registered by class name, with both idioms' interface files.
template <typename T>
void registerFromNib(const char* className) {
    QOVViewController::registerClassFromNib<T>(className);
    for (const char* idiom : {"-iPhone", "-iPad"}) {
        NeighbourScreen::registerTitledInterfaceFile(std::string(className) + idiom);
    }
}

}  // namespace

void registerNeighbourScreens() {
    registerFromNib<ImageryViewController>("ImageryViewController");
    registerFromNib<SevereViewController>("SevereViewController");
    registerFromNib<VideoViewController>("VideoViewController");
    registerFromNib<SwaggerViewController>("SwaggerViewController");
    registerFromNib<ZavioNavigationController>("ZavioNavigationController");
    registerFromNib<ComposeTweetViewController>("ComposeTweetViewController");

    platform::ui::ClassRegistry::registerClass("InSeasonViewController",
                                               [] { return InSeasonViewController::initWithStandardValues(); });
    NeighbourScreen::registerTitledInterfaceFile(InSeasonViewController::kNibName);
    platform::ui::ClassRegistry::registerClass<ContactsViewController>("ContactsViewController");
    NeighbourScreen::registerTitledInterfaceFile(ContactsViewController::kNibName);
    TDXViewToolCotroller::registerInterfaceFile();
}

}  // namespace qov
