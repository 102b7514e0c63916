#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The points of interest of one map tile:
//   GET /wxdata/wxdata/bytile/get.js?what=TYPE&where=QUADKEY&key=..
// TYPE is a kind of point (1 cities, 5 golf courses, 9 airports, 17 schools, 19 parks, 21 lakes; others have
// none); QUADKEY names a 256-pixel quadkey tile (digits 0-3, levels 1 to 23). The answer
// is a list of points inside the tile: for cities the gazetteer's cities there, and for every kind a few
// generated points on land (LandMask), named after the nearest gazetteer city with a number that no other point
// of the kind named after that city has within any 8 x 8 tiles of the level, with that city's current temperature
// (give or take a few degrees) and its alert state. A quadkey that names no tile answers the service's error
// record.
void addPointsOfInterestRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
