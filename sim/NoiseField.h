#pragma once

namespace qovsim {

// The stand-in's moving weather: two repeatable noise fields over the whole Mercator world ([0, 1) in both
// directions, y growing southward; columns wrap around the date line). Rain cells and clouds drift
// east-north-east and blend between independent slices of noise every four hours, so they change shape without
// ever jumping. Values lie in [0, 1); the same point and time always give the same value. Pure functions, any
// thread.
namespace NoiseField {

// Where the rain field's bands begin, as the radar draws them: light rain (light green), moderate rain (yellow)
// and heavy rain (red).
constexpr double kLightRain = 0.55;
constexpr double kModerateRain = 0.63;
constexpr double kHeavyRain = 0.70;

// Rain: kLightRain and up falls.
double rain(double u, double v, double time);
// Inches of water an hour that rain of this value brings, in whole hundredths: none below light rain, 0.04 in the
// lightest (a hundredth in a quarter hour, the least the 24-hour map shows), about a fifth of an inch in heavy rain.
double rainRate(double rain);
// Clouds: density rises from 0.45 to full at 0.70. Clouds have a field of their own and also gather over the
// rain (the full rain field at the same time): wherever rain(u, v, time) is 0.55 or more, cloud is 0.62 or more,
// and 0.75 or more where rain is 0.70 or more.
double cloud(double u, double v, double time);

}  // namespace NoiseField

}  // namespace qovsim
