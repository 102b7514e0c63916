#pragma once

#include <memory>
#include <string>

#include "platform/map/Annotation.h"
#include "platform/map/CircleView.h"

namespace qov {

// The plain annotation the map screen marks the device's own position with: a coordinate fixed when it is made,
// a title and a subtitle, and the circle view drawn around it (kept by the annotation). Main thread only.
class QOVAnnotation : public platform::map::Annotation {
public:
    explicit QOVAnnotation(platform::geo::Coordinate coordinate) : m_coordinate(coordinate) {}

    platform::geo::Coordinate coordinate() const override { return m_coordinate; }
    std::string title() const override { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    std::string subtitle() const override { return m_subtitle; }
    void setSubtitle(std::string subtitle) { m_subtitle = std::move(subtitle); }
    const std::shared_ptr<platform::map::CircleView>& annotationView() const { return m_annotationView; }
    void setAnnotationView(std::shared_ptr<platform::map::CircleView> view) { m_annotationView = std::move(view); }

private:
    const platform::geo::Coordinate m_coordinate;
    std::string m_title;
    std::string m_subtitle;
    std::shared_ptr<platform::map::CircleView> m_annotationView;
};

}  // namespace qov
