#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Place.h"

namespace qovsim {

// The small set of real places the stand-in service knows, read from "places.tsv" in the data folder.
class Gazetteer {
public:
    Gazetteer() = default;
    explicit Gazetteer(std::vector<Place> places);

    // Reads the places file; a missing file yields an empty gazetteer, malformed lines are skipped (both logged).
    static Gazetteer load(const std::filesystem::path& dataDirectory = defaultDataDirectory());
    // The data folder: $QOV_SIM_DATA_DIR when set, else the folder the build was configured with.
    static std::filesystem::path defaultDataDirectory();
    // Parses the text of a places file.
    static Gazetteer parse(std::string_view text);

    const std::vector<Place>& places() const { return m_places; }
    // The place with exactly this key and type (type 0: any type).
    const Place* findByKey(std::string_view key, int type = 0) const;
    // The place an identifier "KEY:TYPE" (TYPE a non-zero number) names; nullptr when none.
    const Place* findByIdentifier(std::string_view identifier) const;
    // What a typed text finds (letter case ignored), in file order: the places whose name or city starts with it,
    // and the postal-code entries whose code starts with it; one entry per place, so a name never finds a place's
    // postal-code entry beside the place, nor a code the place beside its entry.
    std::vector<const Place*> search(std::string_view prefix, std::size_t maxResults = 10) const;
    // The place nearest to the coordinate by great-circle distance (type 0: any type); nullptr when empty.
    const Place* nearest(double latitude, double longitude, int type = 0) const;

private:
    std::vector<Place> m_places;
};

}  // namespace qovsim
