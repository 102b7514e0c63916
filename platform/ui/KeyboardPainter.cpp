#include "platform/ui/KeyboardPainter.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Font.h"
#include "platform/ui/KeyboardLayout.h"

namespace platform::ui {

namespace {

constexpr gfx::Color kPanel = gfx::Color::white(0.82);
constexpr gfx::Color kLetterKey = gfx::Color::white(1.0);
constexpr gfx::Color kFunctionKey = gfx::Color::white(0.68);
constexpr gfx::Color kKeyShadow = gfx::Color::white(0.55);
constexpr gfx::Color kInk = gfx::Color::black();
constexpr double kCornerRadius = 5.0;

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
    context.fillPolygons(
        {{{x, y - 10}, {x + 9, y}, {x + 4, y}, {x + 4, y + 8}, {x - 4, y + 8}, {x - 4, y}, {x - 9, y}}}, kInk);
}

// A tag pointing left with a cross in it.
void drawBackspace(gfx::BitmapContext& context, const Rect& cap) {
    drawKey(context, cap, kFunctionKey);
    const double x = cap.midX(), y = cap.midY();
    context.strokePolylines(
        {{{x - 12, y}, {x - 5, y - 8}, {x + 11, y - 8}, {x + 11, y + 8}, {x - 5, y + 8}, {x - 12, y}}}, kInk, 1.5);
    context.strokeLine({x - 1, y - 4}, {x + 7, y + 4}, kInk, 1.5);
    context.strokeLine({x + 7, y - 4}, {x - 1, y + 4}, kInk, 1.5);
}

}  // namespace

void KeyboardPainter::paint(gfx::BitmapContext& context, const Rect& frame, KeyboardLayout::Layer layer,
                            const std::string& returnTitle) {
    using Kind = KeyboardLayout::KeyKind;
    context.save();
    context.clip(frame);
    context.fillRect(frame, kPanel);
    const gfx::Font characterFont = gfx::Font::systemFont(20.0);
    const gfx::Font titleFont = gfx::Font::systemFont(15.0);
    for (const auto& key : KeyboardLayout::keys(frame, layer)) {
        switch (key.kind) {
            case Kind::Character: drawLabeledKey(context, key.cap, kLetterKey, key.character, characterFont); break;
            case Kind::Shift: drawShift(context, key.cap); break;
            case Kind::Backspace: drawBackspace(context, key.cap); break;
            case Kind::LayerSwitch:
                drawLabeledKey(context, key.cap, kFunctionKey, KeyboardLayout::layerSwitchTitle(layer), titleFont);
                break;
            case Kind::Space: drawLabeledKey(context, key.cap, kLetterKey, "space", titleFont); break;
            case Kind::Return: drawLabeledKey(context, key.cap, kFunctionKey, returnTitle, titleFont); break;
        }
    }
    context.restore();
}

}  // namespace platform::ui
