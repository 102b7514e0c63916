// The composition root as the application world calls it: everything the root controller and the interface files
// make by name is there, whichever library it lives in.
#include "app/composition/ApplicationComposition.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/services/QOVSettingsService.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/root/TabScreenList.h"
#include "app/shell/terms/TermsWebViewController.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/InterfaceFile.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

using platform::ui::ClassRegistry;

class ApplicationCompositionTest : public qovtest::ApplicationWorld {};

TEST_F(ApplicationCompositionTest, EveryTabScreenAndEveryScreenMadeByNameCanBeMade) {
    const qov::TabScreenList::Conditions every{true, qov::QOVSettingsService::kSwaggerStatusOn, true};
    auto names = qov::TabScreenList::classNames(every);
    names.insert(names.end(), {"CurrentConditionsBarController", "SettingsDetailViewController"});
    for (const auto& name : names) {
        EXPECT_NE(ClassRegistry::create(name), nullptr) << name;
    }
    for (const char* file : {qov::QOVAppDelegate::kMainInterfaceFile, qov::QOVMasterViewController::kInterfaceFile,
                             qov::TermsWebViewController::kInterfaceFile}) {
        EXPECT_TRUE(platform::ui::InterfaceFile::exists(file)) << file;
    }
}

}  // namespace
