// The launch picture and the logo that fades in over it.

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

void launchScreen(Painter& p) {
    p.fillVerticalGradient(0, 0, 320, 480, Color::rgba(0.05, 0.12, 0.32), Color::rgba(0.32, 0.55, 0.85));
    p.fillCloud(-20, 70, 130, 60, Color::white(1.0, 0.18));
    p.fillCloud(190, 120, 150, 70, Color::white(1.0, 0.14));
    p.fillCloud(40, 330, 170, 80, Color::white(1.0, 0.12));
    p.fillVerticalGradient(0, 430, 320, 50, Color::rgba(0.1, 0.2, 0.35, 0.0), Color::rgba(0.05, 0.1, 0.2, 0.6));
}

void logo(Painter& p) {
    const Color sun = Color::rgba(1.0, 0.78, 0.12);
    p.fillCircle(38, 36, 22, sun);
    p.fillCloud(16, 38, 64, 38, Color::white());
    p.text("Qovara", 84, 16, 150, 44, 30, true, Color::white());
    p.text("WEATHER", 84, 58, 150, 18, 12, false, Color::white(0.85));
}

[[maybe_unused]] const bool registered = registerFamily("launch", {
                                                                      {"Default.png", 320, 480, launchScreen},
                                                                      {"logo-qov-lockup.png", 240, 90, logo},
                                                                  });

}  // namespace
}  // namespace artwork
