#pragma once

#include <string>

#include "platform/geo/Coordinate.h"

namespace platform::map {

// Something shown at one place on a map: a coordinate with an optional title and subtitle (the callout's
// texts). Held by std::shared_ptr; a map view keeps the annotations added to it. Main thread only.
class Annotation {
public:
    virtual ~Annotation() = default;

    virtual geo::Coordinate coordinate() const = 0;
    virtual std::string title() const { return {}; }
    virtual std::string subtitle() const { return {}; }
};

// An annotation whose coordinate and texts are simply set.
class PointAnnotation : public Annotation {
public:
    PointAnnotation() = default;
    explicit PointAnnotation(geo::Coordinate coordinate, std::string title = {}, std::string subtitle = {})
        : m_coordinate(coordinate), m_title(std::move(title)), m_subtitle(std::move(subtitle)) {}

    geo::Coordinate coordinate() const override { return m_coordinate; }
    void setCoordinate(geo::Coordinate coordinate) { m_coordinate = coordinate; }
    std::string title() const override { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    std::string subtitle() const override { return m_subtitle; }
    void setSubtitle(std::string subtitle) { m_subtitle = std::move(subtitle); }

private:
    geo::Coordinate m_coordinate;
    std::string m_title;
    std::string m_subtitle;
};

}  // namespace platform::map
