#include "app/shell/locations/FavoritesDetailViewController.h"

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVSettingsService.h"
#include "platform/base/Callback.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewAnimation.h"

namespace qov {

using namespace platform::ui;

void FavoritesDetailViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (!QOVSettingsService::sharedInstance()->arePushAlertsEnabled()) {
        toggleFieldsToHidePush();
    }
    const auto self = std::static_pointer_cast<FavoritesDetailViewController>(shared_from_this());
    if (m_cityNameLabel) {
        m_cityNameLabel->setText(m_cityName);
    }
    m_locManager = QOVLocationManager::sharedManager();
    if (m_nickNameText) {
        m_nickNameText->setDelegate(std::static_pointer_cast<TextFieldDelegate>(self));
        m_nickNameText->setReturnKeyType(ReturnKeyType::Done);
        m_nickNameText->setClearButtonMode(TextFieldViewMode::WhileEditing);
    }
    const auto& favorite = m_locationIdentity;
    if (m_pushSwitch) {
        m_pushSwitch->setOn(favorite && m_locManager->pushLocationsContainsLocation(*favorite));
        m_pushSwitch->addAction(kControlEventValueChanged,
                                platform::bindWeak(self, [](FavoritesDetailViewController& screen, Control&) {
                                    screen.handlePushSwitch();
                                }));
    }
    if (m_homeSwitch) {
        m_homeSwitch->setOn(favorite && m_locManager->homeLocationsContainsLocation(*favorite));
        m_homeSwitch->addAction(kControlEventValueChanged,
                                platform::bindWeak(self, [](FavoritesDetailViewController& screen, Control&) {
                                    screen.handleHomeSwitch();
                                }));
    }
    if (m_setButton) {
        m_setButton->addAction(kControlEventTouchUpInside,
                               platform::bindWeak(self, [](FavoritesDetailViewController& screen, Control&) {
                                   screen.setButtonPressed();
                               }));
    }
    const auto stored = favorite ? m_locManager->favoriteForLocation(*favorite) : nullptr;
    const auto& nickname = stored ? stored->userNickname() : (favorite ? favorite->userNickname() : std::nullopt);
    if (m_nickNameText && nickname && !nickname->empty()) {
        m_nickNameText->setText(*nickname);
    }
}

bool FavoritesDetailViewController::shouldAutorotateToInterfaceOrientation(DeviceOrientation orientation) const {
    return orientation == DeviceOrientation::Portrait;
}

void FavoritesDetailViewController::handleHomeSwitch() {
    if (!m_locationIdentity || !m_homeSwitch) {
        return;
    }
    if (m_homeSwitch->isOn()) {
        m_locManager->setHomeLocation(m_locationIdentity);
    } else {
        m_locManager->removeHomeLocation(m_locationIdentity);
    }
}

void FavoritesDetailViewController::handlePushSwitch() {
    if (!m_locationIdentity || !m_pushSwitch) {
        return;
    }
    if (m_pushSwitch->isOn()) {
        m_locManager->setPushLocation(m_locationIdentity);
    } else {
        m_locManager->removePushLocation(m_locationIdentity);
    }
}

void FavoritesDetailViewController::setButtonPressed() {
    if (m_locationIdentity && m_nickNameText) {
        m_locManager->setNickname(m_nickNameText->text(), *m_locationIdentity);
    }
    if (const auto navigation = navigationController()) {
        navigation->popViewControllerAnimated(true);
    }
}

void FavoritesDetailViewController::toggleFieldsToHidePush() {
    if (m_pushLabel) {
        m_pushLabel->setHidden(true);
    }
    if (m_pushSwitch) {
        m_pushSwitch->setHidden(true);
    }
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{m_homeLabel, m_homeSwitch, m_nickNameLabel,
                                                                         m_nickNameText, m_setButton}) {
        if (view) {
            toggleField(*view, kHiddenPushRowShift);
        }
    }
}

void FavoritesDetailViewController::toggleField(View& view, double amount) {
    Rect frame = view.frame();
    frame.origin.y += amount;
    view.setFrame(frame);
}

void FavoritesDetailViewController::slideView(double amount) {
    const auto screenView = view();
    ViewAnimation::animate(kSlideDuration, [screenView, amount] { toggleField(*screenView, amount); });
}

void FavoritesDetailViewController::textFieldDidBeginEditing(TextField& field) {
    slideView(-2.0 * field.frame().height());
}

void FavoritesDetailViewController::textFieldDidEndEditing(TextField& field) {
    slideView(2.0 * field.frame().height());
}

bool FavoritesDetailViewController::textFieldShouldReturn(TextField& field) {
    field.resignFirstResponder();
    return true;
}

}  // namespace qov
