#pragma once

namespace qovsim {

// The stand-in's moving weather: two repeatable noise fields over the whole Mercator world ([0, 1) in both
// directions, y growing southward; columns wrap around the date line). Rain cells and clouds drift
// east-north-east and blend between independent slices of noise every four hours, so they change shape without
// ever jumping. Values lie in [0, 1); the same point and time always give the same value. Pure functions, any
// thread.
namespace NoiseField {

constexpr int kAllOctaves = 5;

// Rain: 0.55 and up is light rain, 0.70 and up heavy. Fewer octaves leave out the finest detail (for values
// summed over wide areas and long times).
double rain(double u, double v, double time, int octaves = kAllOctaves);
// Clouds: density rises from 0.45 to full at 0.70. Clouds have a field of their own and also gather over the
// rain (the full rain field at the same time): wherever rain(u, v, time) is 0.55 or more, cloud is 0.62 or more,
// and 0.75 or more where rain is 0.70 or more.
double cloud(double u, double v, double time);

}  // namespace NoiseField

}  // namespace qovsim
