#pragma once

namespace qov {

class BaseWeatherView;

// What the weather panels ask of the screen that holds them (the weather screen). Every operation is optional.
class BaseWeatherViewProtocol {
public:
    virtual ~BaseWeatherViewProtocol() = default;
    // The panel's share button was pressed.
    virtual void shareButtonWasPressedForBaseWeatherView(BaseWeatherView& /*panel*/) {}
    // The right-now panel's tweet button: open the social section.
    virtual void swaggerButtonPressed() {}
};

}  // namespace qov
