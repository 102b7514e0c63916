#include "platform/ui/KeyboardPainter.h"

#include <string_view>

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Font.h"

namespace platform::ui {

namespace {

constexpr gfx::Color kPanel = gfx::Color::white(0.82);
constexpr gfx::Color kLetterKey = gfx::Color::white(1.0);
constexpr gfx::Color kFunctionKey = gfx::Color::white(0.68);
constexpr gfx::Color kKeyShadow = gfx::Color::white(0.55);
constexpr gfx::Color kInk = gfx::Color::black();
constexpr int kRows = 4;
constexpr int kKeysInWidestRow = 10;
constexpr double kKeyHeight = 40.0;
constexpr double kCornerRadius = 5.0;
constexpr std::string_view kLetterRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

// One row's geometry: where keys of the row start and how far apart they are.
struct RowGrid {
    double top;    // of the key caps
    double pitch;  // a letter key with its gap
    double gap;

    Rect key(double left, double widthInPitches) const {
        return Rect(left + gap / 2.0, top, widthInPitches * pitch - gap, kKeyHeight);
    }
};

void fillRoundedRect(gfx::BitmapContext& context, const Rect& rect, const gfx::Color& color) {
    context.save();
    context.clipRoundedRect(rect, kCornerRadius);
    context.fillRect(rect, color);
    context.restore();
}

void drawKey(gfx::BitmapContext& context, const Rect& cap, const gfx::Color& color) {
    fillRoundedRect(context, Rect(cap.x(), cap.y() + 1.0, cap.width(), cap.height()), kKeyShadow);
    fillRoundedRect(context, cap, color);
}

void drawLabeledKey(gfx::BitmapContext& context, const Rect& cap, const gfx::Color& color, const std::string& label,
                    const gfx::Font& font) {
    drawKey(context, cap, color);
    context.drawText(label, cap, font, kInk, gfx::TextAlignment::Center);
}

// An upward arrow centred in the cap.
void drawShift(gfx::BitmapContext& context, const Rect& cap) {
    drawKey(context, cap, kFunctionKey);
    const double x = cap.midX(), y = cap.midY();
    context.fillPolygons({{{x, y - 10}, {x + 9, y}, {x + 4, y}, {x + 4, y + 8}, {x - 4, y + 8}, {x - 4, y},
                           {x - 9, y}}},
                         kInk);
}

// A tag pointing left with a cross in it.
void drawBackspace(gfx::BitmapContext& context, const Rect& cap) {
    drawKey(context, cap, kFunctionKey);
    const double x = cap.midX(), y = cap.midY();
    context.strokePolylines({{{x - 12, y}, {x - 5, y - 8}, {x + 11, y - 8}, {x + 11, y + 8}, {x - 5, y + 8},
                              {x - 12, y}}},
                            kInk, 1.5);
    context.strokeLine({x - 1, y - 4}, {x + 7, y + 4}, kInk, 1.5);
    context.strokeLine({x + 7, y - 4}, {x - 1, y + 4}, kInk, 1.5);
}

}  // namespace

void KeyboardPainter::paint(gfx::BitmapContext& context, const Rect& frame, const std::string& returnTitle) {
    context.save();
    context.clip(frame);
    context.fillRect(frame, kPanel);
    const double pitch = frame.width() / kKeysInWidestRow;
    const double rowPitch = frame.height() / kRows;
    const auto row = [&](int index) {
        return RowGrid{frame.y() + index * rowPitch + (rowPitch - kKeyHeight) / 2.0, pitch, pitch * 0.18};
    };
    const gfx::Font letterFont = gfx::Font::systemFont(20.0);
    const gfx::Font titleFont = gfx::Font::systemFont(15.0);
    // Each letter row is centred: the second row is indented half a key, the third a key and a half.
    const double indents[] = {0.0, 0.5, 1.5};
    for (int index = 0; index < 3; ++index) {
        const RowGrid grid = row(index);
        const std::string_view letters = kLetterRows[index];
        for (std::size_t key = 0; key < letters.size(); ++key) {
            const double left = frame.x() + (indents[index] + double(key)) * pitch;
            drawLabeledKey(context, grid.key(left, 1.0), kLetterKey, std::string(1, letters[key]), letterFont);
        }
    }
    const RowGrid third = row(2);
    constexpr double kSideKeyPitches = 1.3;
    drawShift(context, third.key(frame.x(), kSideKeyPitches));
    drawBackspace(context, third.key(frame.maxX() - kSideKeyPitches * pitch, kSideKeyPitches));
    const RowGrid bottom = row(3);
    constexpr double kBottomSidePitches = 2.5;
    drawLabeledKey(context, bottom.key(frame.x(), kBottomSidePitches), kFunctionKey, "123", titleFont);
    const Rect spaceBar = bottom.key(frame.x() + kBottomSidePitches * pitch, kKeysInWidestRow - 2 * kBottomSidePitches);
    drawLabeledKey(context, spaceBar, kLetterKey, "space", titleFont);
    drawLabeledKey(context, bottom.key(frame.maxX() - kBottomSidePitches * pitch, kBottomSidePitches), kFunctionKey,
                   returnTitle, titleFont);
    context.restore();
}

}  // namespace platform::ui
