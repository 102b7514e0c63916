#pragma once

#include <memory>
#include <string>

#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace qovtest {

// A fresh application for each test: a temporary home with empty user defaults, fresh process services (location
// manager, settings, metrics, ad manager, rating prompter, application cache), a new platform application object,
// the interface files and tab screens registered, on the manual clock. launch() starts the application the way
// the device does; passSplash() lets the splash run.
class ApplicationWorld : public ManualClockFixture {
protected:
    ApplicationWorld();
    ~ApplicationWorld() override;

    // Loads the main interface file, finishes launching and becomes active.
    std::shared_ptr<qov::QOVAppDelegate> launch();
    // Runs the splash's fade to its end.
    void passSplash();
    // Launches with the terms accepted and passes the splash: the root controller is on the window.
    std::shared_ptr<qov::QOVMasterViewController> launchToRootScreen();
    std::shared_ptr<qov::QOVMasterViewController> rootScreen() const;
    // Ends the process's application (resigning active first) so that the same home can launch again.
    void relaunchApplicationObject();

    const std::string& home() const { return m_homePath; }

private:
    void resetServices();

    TempHome m_home;
    std::string m_homePath;
    TestBundle m_bundle;
};

}  // namespace qovtest
