#pragma once

namespace platform::ui {

inline constexpr const char* kDeviceOrientationDidChangeNotification = "UIDeviceOrientationDidChangeNotification";

enum class UserInterfaceIdiom { Phone = 0, Pad = 1 };

// Device orientations as the platform numbers them.
enum class DeviceOrientation {
    Portrait = 1,
    PortraitUpsideDown = 2,
    LandscapeLeft = 3,
    LandscapeRight = 4,
};

// The device: its idiom (phone unless configured) and its orientation (portrait unless set). While orientation
// notifications are being generated (begin/end calls nest), each change of the orientation posts
// kDeviceOrientationDidChangeNotification (no object, no user information) on the calling thread.
class Device {
public:
    static Device& current();

    UserInterfaceIdiom userInterfaceIdiom() const { return m_idiom; }
    void setUserInterfaceIdiom(UserInterfaceIdiom idiom) { m_idiom = idiom; }
    bool isPad() const { return m_idiom == UserInterfaceIdiom::Pad; }
    // Whether the device answers the idiom query at all (older systems do not); yes unless configured.
    bool respondsToUserInterfaceIdiom() const { return m_respondsToIdiom; }
    void setRespondsToUserInterfaceIdiom(bool responds) { m_respondsToIdiom = responds; }

    DeviceOrientation orientation() const { return m_orientation; }
    // The device turned (the runner and tests turn it).
    void setOrientation(DeviceOrientation orientation);
    void beginGeneratingDeviceOrientationNotifications() { ++m_orientationNotificationRequests; }
    // More ends than begins are ignored.
    void endGeneratingDeviceOrientationNotifications();
    bool isGeneratingDeviceOrientationNotifications() const { return m_orientationNotificationRequests > 0; }
    bool isLandscape() const {
        return m_orientation == DeviceOrientation::LandscapeLeft || m_orientation == DeviceOrientation::LandscapeRight;
    }

    // Tests: back to a portrait phone that answers the idiom query.
    void reset();

private:
    UserInterfaceIdiom m_idiom = UserInterfaceIdiom::Phone;
    bool m_respondsToIdiom = true;
    DeviceOrientation m_orientation = DeviceOrientation::Portrait;
    int m_orientationNotificationRequests = 0;
};

}  // namespace platform::ui
