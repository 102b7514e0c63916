#pragma once

namespace qov {

class LocationSearchBar;

// Told when the location bar's buttons are pressed, after the bar has done its own part and before it asks for a
// GPS fix or the favourites. Both operations are optional (the root controller implements neither).
class LocationSearchBarDelegate {
public:
    virtual ~LocationSearchBarDelegate() = default;

    virtual void findMeButtonPressed(LocationSearchBar& /*bar*/) {}
    virtual void favoritesButtonPressed(LocationSearchBar& /*bar*/) {}
};

}  // namespace qov
