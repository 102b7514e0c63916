#pragma once

#include <map>
#include <string>

namespace qov {

// One measurement hit as the metrics service sends it: a page view or a tracking hit, its events
// ("event1", "event5", ...), its variables by name ("eVar2", "eVar3", "eVar9", "prop20") and the common
// properties at the time it was sent (the page hierarchy, the section and the install identifier).
struct MetricsHit {
    enum class Kind { PageView, Tracking };

    Kind kind = Kind::Tracking;
    std::string pageName;
    std::string events;
    std::map<std::string, std::string> variables;
    std::string level1;
    std::string level2;
    std::string section;
    std::string visitorId;

    friend bool operator==(const MetricsHit&, const MetricsHit&) = default;
};

}  // namespace qov
