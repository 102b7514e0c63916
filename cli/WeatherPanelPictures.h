#pragma once

#include <filesystem>
#include <ostream>

namespace qovcli {

// With the Weather tab shown: selects each panel the weather screen offers, as a user would with its segmented
// control, writes the screen of each as "weather-<panel>.png" into the folder (one picture of the panel in
// front when it offers no choice) and returns to the first panel. Answers false when the Weather tab is not
// shown or a picture cannot be written.
bool writeWeatherPanelPictures(const std::filesystem::path& folder, std::ostream& out, std::ostream& err);

}  // namespace qovcli
