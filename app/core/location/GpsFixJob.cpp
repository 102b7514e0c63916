#include "app/core/location/GpsFixJob.h"

#include <charconv>
#include <string>

#include "app/core/location/QOVLocationManager.h"
#include "platform/base/NotificationCenter.h"
#include "platform/geo/FixedPositionSource.h"

namespace qov {

namespace {

std::optional<double> parseDegrees(std::string_view text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<platform::geo::Coordinate> GpsFixJob::parseCoordinate(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const auto latitude = parseDegrees(text.substr(0, comma));
    const auto longitude = parseDegrees(text.substr(comma + 1));
    if (!latitude || !longitude) {
        return std::nullopt;
    }
    const platform::geo::Coordinate coordinate{*latitude, *longitude};
    return coordinate.isValid() ? std::optional(coordinate) : std::nullopt;
}

GpsFixJob::GpsFixJob(std::shared_ptr<QOVLocationManager> manager,
                     std::shared_ptr<platform::geo::FixedPositionSource> positionSource)
    : m_manager(std::move(manager)), m_positionSource(std::move(positionSource)) {}

GpsFixJob::~GpsFixJob() { platform::NotificationCenter::defaultCenter().removeObserver(this); }

bool GpsFixJob::start(platform::geo::Coordinate coordinate) {
    if (!m_manager || !m_positionSource || !m_positionSource->setCoordinate(coordinate)) {
        return false;
    }
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(this, QOVLocationManager::kUpdateSucceededCurrentLocationWithGPSNotification,
                       [this](const platform::Notification&) { m_finished = m_succeeded = true; });
    center.addObserver(this, QOVLocationManager::kUpdateFailedCurrentLocationWithGPSNotification,
                       [this](const platform::Notification&) { m_finished = true; });
    m_manager->updateCurrentLocationWithGPS();
    return true;
}

}  // namespace qov
