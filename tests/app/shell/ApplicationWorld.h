#pragma once

#include <memory>
#include <string>

#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "tests/support/app/ShellFixture.h"

namespace qovtest {

// A fresh application for each test: the shell fixture's fresh home, settings, application object and data source
// that sends nothing (tests that want the network install their own), and also fresh location manager, ad manager,
// rating prompter and application cache, a map cache whose tile server is a loopback port nobody listens on, and
// every interface file and tab screen registered. launch() starts the application the way the device does;
// passSplash() lets the splash run.
class ApplicationWorld : public ShellFixture {
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
    // Ends the process's application (resigning active first) and reads the home afresh, so that the same home
    // can launch again.
    void relaunchApplicationObject();

private:
    void resetServices();
};

}  // namespace qovtest
