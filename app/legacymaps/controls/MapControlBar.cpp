#include "app/legacymaps/controls/MapControlBar.h"

#include <cmath>

#include "app/legacymaps/controls/SelectMapOverlayViewController.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "app/legacymaps/preferences/UserPreferences.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/base/Clock.h"
#include "platform/base/RunLoop.h"
#include "platform/format/TextFormat.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"

namespace qov {

using platform::gfx::Color;
using platform::gfx::Font;
using platform::gfx::Rect;
using platform::gfx::TextAlignment;
using platform::ui::Button;
using platform::ui::Image;
using platform::ui::ImageView;
using platform::ui::Label;
using platform::ui::Slider;

namespace {
constexpr double kPastSliderNarrow = 325.0;
constexpr double kPastSliderWide = 676.0;
constexpr double kSliderMaximum = 10.0;
constexpr double kFadeDuration = 0.5;

std::shared_ptr<Button> makeButton(const Rect& frame) {
    return std::make_shared<Button>(platform::ui::ButtonType::Custom, frame);
}

std::shared_ptr<Label> makeLabel(const Rect& frame, const Color& color, TextAlignment alignment, const Font& font) {
    auto label = std::make_shared<Label>(frame);
    label->setTextColor(color);
    label->setTextAlignment(alignment);
    label->setFont(font);
    label->setBackgroundColor(Color::clear());
    return label;
}

std::shared_ptr<Slider> makeSlider(const Rect& frame) {
    auto slider = std::make_shared<Slider>(frame);
    slider->setMinimumValue(0.0);
    slider->setMaximumValue(kSliderMaximum);
    slider->setAlpha(0.0);
    return slider;
}

// Whole hours between now and the date (0 without a date).
int wholeHoursFromNow(const std::optional<platform::Date>& date) {
    if (!date) {
        return 0;
    }
    const double hours = date->timeIntervalSince(platform::Clock::shared()->now()) / 3600.0;
    return std::isfinite(hours) ? static_cast<int>(std::trunc(hours)) : 0;
}

// The single-hour text up to one whole hour ("Next hour", never "Next 1 hours").
std::string hoursLabel(int hours, const std::string& pluralKey, const std::string& singleKey) {
    if (hours > 1) {
        return platform::TextFormat::format(localized(pluralKey), {hours});
    }
    return localized(singleKey);
}
}  // namespace

std::shared_ptr<MapControlBar> MapControlBar::create() {
    auto bar = std::make_shared<MapControlBar>();
    bar->wireActions();
    return bar;
}

MapControlBar::MapControlBar() : View(Rect(platform::gfx::Point{}, kSize)) {
    setBackgroundColor(Color::clear());
    m_background = std::make_shared<ImageView>(Image::named("Maps - Toolbar Short BG.png"));
    m_background->setFrame(Rect(platform::gfx::Point{}, kSize));
    m_selectOverlayButton = makeButton(Rect(14, 9, 181, 37));
    m_selectOverlayButton->setBackgroundImage(Image::named("Maps - Layer Button Blue.png"));
    m_selectOverlayButton->titleLabel()->setFont(Font::boldSystemFont(15));
    m_overlayLegend = std::make_shared<ImageView>(Rect(195, 9, 216, 39));
    m_dateLabel = makeLabel(Rect(421, 13, 79, 29), Color::gray(), TextAlignment::Center, Font::boldSystemFont(20));
    // The narrow face: a time such as "11:25 PM" in the wide one does not fit the label.
    m_timeLabel =
        makeLabel(Rect(500, 13, 100, 29), Color::white(), TextAlignment::Left, Font::condensedSystemFont(20, true));
    m_playStopButton = makeButton(Rect(603, 9, 72, 37));
    m_playStopButton->setBackgroundImage(Image::named("Maps - Start Button.png"));
    m_playStopButton->setTitle(localized("map.controlbar.play"));
    m_playStopButton->titleLabel()->setFont(Font::boldSystemFont(14));
    m_playStopButton->titleLabel()->setTextAlignment(TextAlignment::Right);
    m_pointsOfInterestButton = makeButton(Rect(680, 9, 40, 37));
    m_pointsOfInterestButton->setImage(Image::named("Page Curl Icon.png"));
    m_pastButton = makeButton(Rect(10, 72, 37, 37));
    m_pastButton->setImage(Image::named("Checkbox - checked.png"));
    m_pastButton->setAlpha(0.0);
    m_pastLabel = makeLabel(Rect(55, 79, 236, 21), Color::white(), TextAlignment::Left, Font::systemFont(17));
    m_pastLabel->setAlpha(0.0);
    m_pastSlider = makeSlider(Rect(18, 118, kPastSliderNarrow, 23));
    m_futureButton = makeButton(Rect(361, 72, 37, 37));
    m_futureButton->setImage(Image::named("Checkbox - clear.png"));
    m_futureButton->setAlpha(0.0);
    m_futureLabel = makeLabel(Rect(406, 79, 236, 21), Color::white(), TextAlignment::Left, Font::systemFont(17));
    m_futureLabel->setAlpha(0.0);
    m_futureSlider = makeSlider(Rect(369, 118, 325, 23));
    for (const std::shared_ptr<View>& view : std::initializer_list<std::shared_ptr<View>>{
             m_background, m_selectOverlayButton, m_overlayLegend, m_dateLabel, m_timeLabel, m_playStopButton,
             m_pointsOfInterestButton, m_pastButton, m_pastLabel, m_pastSlider, m_futureButton, m_futureLabel,
             m_futureSlider}) {
        addSubview(view);
    }
    m_dateFormatter.setDateFormat(localized("map.controlbar.date.format"));
    m_timeFormatter.setDateFormat(localized("map.controlbar.time.format"));
    setTimeZone(std::nullopt);
    m_currentOverlayType =
        MapOverlayType::overlayForNumber(UserPreferences::sharedInstance().preferredWeatherOverlay());
    updateControlBar();
}

void MapControlBar::wireActions() {
    const auto self = std::static_pointer_cast<MapControlBar>(shared_from_this());
    const auto on = [&](const std::shared_ptr<Button>& button, void (MapControlBar::*action)()) {
        button->addAction(
            platform::ui::kControlEventTouchUpInside,
            platform::bindWeak(self, [action](MapControlBar& bar, platform::ui::Control&) { (bar.*action)(); }));
    };
    on(m_selectOverlayButton, &MapControlBar::userPressedSelectOverlay);
    on(m_playStopButton, &MapControlBar::userPressedPlayStop);
    on(m_pastButton, &MapControlBar::userPressedPast);
    on(m_futureButton, &MapControlBar::userPressedFuture);
}

void MapControlBar::updateControlBar() {
    const auto& type = m_currentOverlayType;
    m_selectOverlayButton->setTitle(type ? type->name() : std::string());
    m_overlayLegend->setImage(type ? Image::named(type->legendName()) : nullptr);
    m_playStopButton->setHidden(!type || !type->animates());
    const bool future = type && type->isFutureProvided();
    m_futureLabel->setHidden(!future);
    m_futureButton->setHidden(!future);
    m_futureSlider->setHidden(!future);
    Rect pastFrame = m_pastSlider->frame();
    pastFrame.size.width = future ? kPastSliderNarrow : kPastSliderWide;
    m_pastSlider->setFrame(pastFrame);
}

void MapControlBar::setCurrentOverlayType(MapOverlayType::Ptr type) {
    m_currentOverlayType = std::move(type);
    if (const auto target = delegate()) {
        target->overlayAnimated(false);
    }
    updateControlBar();
}

void MapControlBar::overlaySelected(int index) {
    const auto old = m_currentOverlayType;
    m_currentOverlayType = MapOverlayType::overlayForNumber(index);
    if (m_showingAnimation) {
        userPressedPlayStop();
    }
    updateControlBar();
    UserPreferences::sharedInstance().setPreferredWeatherOverlay(m_currentOverlayType->number());
    dismissFullScreenModalController();
    if (!old || old->number() != index) {
        if (const auto target = delegate()) {
            target->overlaySelected(m_currentOverlayType);
        }
    }
}

void MapControlBar::userPressedSelectOverlay() {
    if (m_showingAnimation) {
        userPressedPlayStop();
    }
    removeFullScreenModal();
    m_selectionDialog = std::make_shared<SelectMapOverlayViewController>("SelectMapOverlayViewController");
    m_selectionDialog->setDelegate(std::static_pointer_cast<MapControlBar>(shared_from_this()));
    displayFullScreenModalController();
}

// The chooser lies over the whole window, the map dimmed below it, until a choice is made.
void MapControlBar::displayFullScreenModalController() {
    const auto shown = window();
    if (!shown || !m_selectionDialog) {
        return;
    }
    shown->addSubview(m_selectionDialog->view());
}

// The choice is made from inside the chooser, so it goes away on a later turn.
void MapControlBar::dismissFullScreenModalController() {
    platform::RunLoop::main().post(platform::bindWeak(std::static_pointer_cast<MapControlBar>(shared_from_this()),
                                                      [](MapControlBar& bar) { bar.removeFullScreenModal(); }));
}

void MapControlBar::removeFullScreenModal() {
    if (!m_selectionDialog) {
        return;
    }
    const auto dialog = std::move(m_selectionDialog);
    if (dialog->isViewLoaded()) {
        dialog->view()->removeFromSuperview();
    }
}

void MapControlBar::setOrientation(platform::ui::DeviceOrientation orientation) {
    m_currentOrientation = orientation;
    const bool landscape = orientation == platform::ui::DeviceOrientation::LandscapeLeft ||
                           orientation == platform::ui::DeviceOrientation::LandscapeRight;
    Rect placed = frame();
    placed.origin = landscape ? platform::gfx::Point{148, 570} : platform::gfx::Point{20, 817};
    if (m_showingAnimation) {
        placed.origin.y -= kPlayingGrowth;
    }
    setFrame(placed);
    if (m_selectionDialog) {
        m_selectionDialog->willAnimateRotationToInterfaceOrientation(orientation, 0.0);
    }
}

void MapControlBar::setTimeControlsAlpha(double alpha) {
    for (const std::shared_ptr<View>& view : std::initializer_list<std::shared_ptr<View>>{
             m_pastButton, m_pastLabel, m_pastSlider, m_futureButton, m_futureLabel, m_futureSlider}) {
        view->setAlpha(alpha);
    }
}

void MapControlBar::userPressedPlayStop() {
    platform::ui::ViewAnimation::beginAnimations("fadeout");
    platform::ui::ViewAnimation::setAnimationDuration(kFadeDuration);
    Rect placed = frame();
    if (m_showingAnimation) {
        m_playStopButton->setBackgroundImage(Image::named("Maps - Start Button.png"));
        m_playStopButton->setTitle(localized("map.controlbar.play"));
        placed = Rect(placed.x(), placed.y() + kPlayingGrowth, placed.width(), placed.height() - kPlayingGrowth);
        m_background->setImage(Image::named("Maps - Toolbar Short BG.png"));
        setTimeControlsAlpha(0.0);
    } else {
        m_playStopButton->setBackgroundImage(Image::named("Maps - Stop Button.png"));
        m_playStopButton->setTitle(localized("map.controlbar.stop"));
        placed = Rect(placed.x(), placed.y() - kPlayingGrowth, placed.width(), placed.height() + kPlayingGrowth);
        m_background->setImage(Image::named("Maps - Toolbar Tall BG.png"));
        setTimeControlsAlpha(1.0);
    }
    setFrame(placed);
    m_background->setFrame(Rect(0, 0, placed.width(), placed.height()));
    m_futureSlider->setEnabled(false);
    platform::ui::ViewAnimation::commitAnimations();
    if (m_showingAnimation) {
        userPressedPast();
    }
    m_showingAnimation = !m_showingAnimation;
    if (const auto target = delegate()) {
        target->overlayAnimated(m_showingAnimation);
    }
    m_pastSlider->setValue(0.0);
    m_futureSlider->setValue(0.0);
}

void MapControlBar::userPressedPast() {
    m_pastButton->setImage(Image::named("Checkbox - checked.png"));
    m_futureButton->setImage(Image::named("Checkbox - clear.png"));
    m_pastSlider->setEnabled(true);
    m_futureSlider->setEnabled(false);
    m_pastSlider->setValue(0.0);
    m_futureSlider->setValue(0.0);
    m_future = false;
    if (const auto target = delegate()) {
        target->animateFuture(false);
    }
}

void MapControlBar::userPressedFuture() {
    m_pastButton->setImage(Image::named("Checkbox - clear.png"));
    m_futureButton->setImage(Image::named("Checkbox - checked.png"));
    m_pastSlider->setEnabled(false);
    m_pastSlider->setValue(kSliderMaximum);
    m_futureSlider->setEnabled(true);
    m_futureSlider->setValue(0.0);
    m_future = true;
    if (const auto target = delegate()) {
        target->animateFuture(true);
    }
}

void MapControlBar::setTimeZone(const std::optional<std::string>& zone) {
    const std::string shown = zone && !zone->empty() ? *zone : "EST";
    m_dateFormatter.setTimeZone(shown);
    m_timeFormatter.setTimeZone(shown);
    if (m_timeStamp) {
        setCurrentTimeStamp(m_timeStamp);
    }
}

void MapControlBar::setCurrentTimeStamp(std::optional<platform::Date> timeStamp) {
    m_timeStamp = timeStamp;
    m_dateLabel->setText(m_dateFormatter.stringFromDate(timeStamp));
    m_timeLabel->setText(m_timeFormatter.stringFromDate(timeStamp));
}

void MapControlBar::setCurrentTimeSlice(int slice, bool forFuture) {
    (forFuture ? m_futureSlider : m_pastSlider)->setValue(slice);
}

void MapControlBar::setMaxFutureTimeSlices(int count, std::optional<platform::Date> endTime) {
    m_futureLabel->setText(
        hoursLabel(wholeHoursFromNow(endTime), "map.controlbar.futurehours.label", "map.controlbar.futurehour.label"));
    m_futureSlider->setMaximumValue(count);
}

void MapControlBar::setMaxPastTimeSlices(int count, std::optional<platform::Date> startTime) {
    m_pastLabel->setText(hoursLabel(std::abs(wholeHoursFromNow(startTime)), "map.controlbar.pasthours.label",
                                    "map.controlbar.pasthour.label"));
    m_pastSlider->setMaximumValue(count);
}

void MapControlBar::mapRepositioned() {
    if (m_showingAnimation) {
        userPressedPlayStop();
    }
}

}  // namespace qov
