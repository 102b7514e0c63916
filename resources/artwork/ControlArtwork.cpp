// Buttons, arrows and badges of the shell's controls.

#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

const Color kWhite = Color::white();

// A glossy button face; made stretchable with a left cap of 10, so the middle column is plain.
void buttonFace(Painter& p, const Color& top, const Color& bottom) {
    p.fillRoundedRect(0, 0, p.width(), p.height(), 8, bottom);
    p.fillVerticalGradient(1, 1, p.width() - 2, p.height() / 2.0 - 1, top, top.withAlpha(0.0));
    p.strokeRoundedRect(0.5, 0.5, p.width() - 1, p.height() - 1, 8, Color::white(1.0, 0.35), 1.0);
}

void acceptButton(Painter& p) { buttonFace(p, Color::rgba(0.45, 0.8, 0.35), Color::rgba(0.15, 0.55, 0.15)); }
void declineButton(Painter& p) { buttonFace(p, Color::rgba(0.55, 0.55, 0.58), Color::rgba(0.25, 0.25, 0.28)); }

void arrowLeft(Painter& p) { p.strokePolyline({9, 3, 3, 9.5, 9, 16}, kWhite, 2.5); }
void arrowRight(Painter& p) { p.strokePolyline({3, 3, 9, 9.5, 3, 16}, kWhite, 2.5); }

void badge(Painter& p) {
    p.fillRoundedRect(1, 1, 24, 16, 8, Color::rgba(0.85, 0.05, 0.05));
    p.strokeRoundedRect(1, 1, 24, 16, 8, kWhite, 1.5);
}

void closeButton(Painter& p) {
    p.fillCircle(12, 12, 10, Color::white(1.0, 0.9));
    const Color red = Color::rgba(0.55, 0.05, 0.05);
    p.strokePolyline({8, 8, 16, 16}, red, 2.5);
    p.strokePolyline({16, 8, 8, 16}, red, 2.5);
}

void tweetButton(Painter& p) {
    p.fillRoundedRect(1, 1, 30, 30, 6, Color::rgba(0.3, 0.7, 1.0));
    p.fillCloud(6, 9, 20, 14, kWhite);
    p.fillPolygon({9, 20, 14, 20, 8, 26}, kWhite);
}

void shareButton(Painter& p) {
    p.fillRoundedRect(1, 1, 30, 30, 6, Color::white(0.3));
    p.strokePolyline({8, 16, 8, 25, 24, 25, 24, 16}, kWhite, 2.0);
    p.strokePolyline({16, 19, 16, 6}, kWhite, 2.0);
    p.strokePolyline({11, 11, 16, 6, 21, 11}, kWhite, 2.0);
}

void backButton(Painter& p) {
    p.fillRoundedRect(1, 1, 30, 30, 6, Color::white(0.3));
    p.strokePolyline({19, 8, 11, 16, 19, 24}, kWhite, 3.0);
}

[[maybe_unused]] const bool registered =
    registerFamily("controls", {
                                   {"tdx-button.png", 40, 40, acceptButton},
                                   {"tdx-button-kestro.png", 40, 40, declineButton},
                                   {"tabbar-arrow-left.png", 12, 19, arrowLeft},
                                   {"tabbar-arrow-right.png", 12, 19, arrowRight},
                                   {"tabbar-badge.png", 26, 18, badge},
                                   {"errorbar-close.png", 24, 24, closeButton},
                                   {"header-button-tweet.png", 32, 32, tweetButton},
                                   {"header-button-share.png", 32, 32, shareButton},
                                   {"header-button-back.png", 32, 32, backButton},
                               });

}  // namespace
}  // namespace artwork
