#include "platform/ui/ScreenRenderer.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/Application.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/KeyboardPainter.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

constexpr gfx::Color kDimming = gfx::Color::white(0.0, 0.4);

}  // namespace

void ScreenRenderer::drawTree(gfx::BitmapContext& context, View& view) {
    if (view.isHidden() || view.alpha() <= 0.0) {
        return;
    }
    const Rect bounds = view.bounds();
    context.save();
    context.translate(view.center().x, view.center().y);
    if (view.rotation() != 0.0) {
        context.rotate(view.rotation());
    }
    context.translate(-bounds.width() / 2.0 - bounds.x(), -bounds.height() / 2.0 - bounds.y());
    const bool layered = view.alpha() < 1.0;
    if (layered) {
        context.beginLayer();
    }
    if (view.clipsToBounds()) {
        context.clip(bounds);
    }
    const Layer& layer = view.layer();
    const bool rounded = layer.cornerRadius > 0.0;
    if (rounded) {
        context.save();
        context.clipRoundedRect(bounds, layer.cornerRadius);
    }
    if (!view.backgroundColor().isClear()) {
        context.fillRect(bounds, view.backgroundColor());
    }
    if (layer.contents) {
        context.drawImage(*layer.contents, bounds);
    }
    if (rounded) {
        context.restore();
    }
    view.draw(context);
    for (const auto& subview : std::vector(view.subviews())) {
        drawTree(context, *subview);
    }
    if (layered) {
        context.endLayer(view.alpha());
    }
    context.restore();
}

std::shared_ptr<gfx::Image> ScreenRenderer::renderView(View& view) {
    view.layoutIfNeeded();
    const Rect frame = view.frame();
    gfx::BitmapContext context(static_cast<int>(frame.width() + 0.5), static_cast<int>(frame.height() + 0.5));
    context.translate(-frame.x(), -frame.y());
    drawTree(context, view);
    return context.makeImage();
}

std::shared_ptr<gfx::Image> ScreenRenderer::renderScreen(double scale) {
    const Rect screen = Screen::bounds();
    gfx::BitmapContext context(static_cast<int>(screen.width() * scale), static_cast<int>(screen.height() * scale));
    context.scale(scale);
    context.fillRect(screen, gfx::Color::black());  // the glass where no view covers it
    if (auto window = Application::shared().keyWindow(); window && !window->isHidden()) {
        window->layoutIfNeeded();
        context.save();
        const Rect frame = window->frame();
        context.translate(frame.x() - window->bounds().x(), frame.y() - window->bounds().y());
        if (!window->backgroundColor().isClear()) {
            context.fillRect(window->bounds(), window->backgroundColor());
        }
        for (const auto& layer : window->visibleSubviews()) {
            drawTree(context, *layer);
        }
        context.restore();
    }
    if (!Application::shared().isStatusBarHidden()) {
        context.fillRect(Rect(0.0, 0.0, screen.width(), Application::kStatusBarHeight), gfx::Color::black());
    }
    if (Keyboard::isShown()) {
        KeyboardPainter::paint(context, Keyboard::frame(), Keyboard::layer(), Keyboard::returnKeyTitle());
    }
    const auto& popups = PopupRegistry::shared().visible();
    if (!popups.empty()) {
        context.fillRect(screen, kDimming);
        for (const auto& popup : std::vector(popups)) {
            popup->layoutIfNeeded();
            drawTree(context, *popup);
        }
    }
    return context.makeImage();
}

bool ScreenRenderer::writeScreen(const std::string& path, std::string& problem) {
    return renderScreen()->writePNG(path, problem);
}

bool ScreenRenderer::writeScreen(const std::string& path) { return renderScreen()->writePNG(path); }

}  // namespace platform::ui
