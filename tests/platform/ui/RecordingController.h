#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ViewController.h"

namespace platform::ui {

// A sample screen that writes its life-cycle calls into a shared journal ("A willAppear").
class RecordingController : public ViewController {
public:
    RecordingController(std::string name, std::shared_ptr<std::vector<std::string>> journal)
        : m_name(std::move(name)), m_journal(std::move(journal)) {}

    void viewDidLoad() override { note("didLoad"); }
    void viewDidUnload() override { note("didUnload"); }
    void viewWillAppear(bool animated) override {
        ViewController::viewWillAppear(animated);
        note("willAppear");
    }
    void viewDidAppear(bool animated) override {
        ViewController::viewDidAppear(animated);
        note("didAppear");
    }
    void viewWillDisappear(bool animated) override {
        ViewController::viewWillDisappear(animated);
        note("willDisappear");
    }
    void viewDidDisappear(bool animated) override {
        ViewController::viewDidDisappear(animated);
        note("didDisappear");
    }

    bool shouldAutorotateToInterfaceOrientation(DeviceOrientation orientation) const override {
        return orientation != DeviceOrientation::PortraitUpsideDown;
    }
    void willRotateToInterfaceOrientation(DeviceOrientation to, double) override {
        note("willRotate " + std::to_string(static_cast<int>(to)));
    }
    void willAnimateRotationToInterfaceOrientation(DeviceOrientation to, double) override {
        note("willAnimate " + std::to_string(static_cast<int>(interfaceOrientation())) + "=" +
             std::to_string(static_cast<int>(to)));
    }
    void didRotateFromInterfaceOrientation(DeviceOrientation from) override {
        note("didRotate from " + std::to_string(static_cast<int>(from)));
    }

private:
    void note(const std::string& event) { m_journal->push_back(m_name + " " + event); }

    std::string m_name;
    std::shared_ptr<std::vector<std::string>> m_journal;
};

}  // namespace platform::ui
