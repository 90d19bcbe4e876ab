// The window the panels live in: an SDL window whose pixels Cairo draws
// into, at a whole-number scale of the layout's units. Where SDL's window
// surface holds 32-bit xRGB or ARGB pixels (the usual case) Cairo draws
// straight into them; otherwise into a canvas that is copied on present.
//
// Contract: GUI thread; SDL's video must be initialised. The surfaces that
// pixels() and region() answer are valid until the window's size changes:
// after a resize event call sizeChanged(), which makes generation() move on.
#pragma once

#include <SDL.h>
#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "gui/GuiInterfaces.h"

namespace zuhost::play {

struct WindowPlace {
    int32_t x = 0, y = 0;
    int32_t width = 0, height = 0;  // in layout units
};

struct CairoSurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;

class PlayWindow {
public:
    // `place` puts the window where it was; its size is used when not smaller than `size`.
    PlayWindow(const std::string& title, gmpi_gui::MpSize size, int32_t scale, std::optional<WindowPlace> place);
    ~PlayWindow();
    PlayWindow(const PlayWindow&) = delete;
    PlayWindow& operator=(const PlayWindow&) = delete;

    uint32_t id() const { return SDL_GetWindowID(window_); }
    int32_t scale() const { return scale_; }
    gmpi_gui::MpSize size() const;  // in layout units
    WindowPlace place() const;
    void resize(gmpi_gui::MpSize size);
    void sizeChanged();
    int64_t generation() const { return generation_; }

    // The whole window to draw into, in pixels.
    cairo_surface_t* pixels() const { return surface_.get(); }
    // The part of the window under a rectangle in layout units, clipped to
    // the window; null when nothing of it is inside.
    CairoSurfacePtr region(const gmpi_gui::MpRect& rect) const;
    void present();
    bool writePng(const std::filesystem::path& path) const;

private:
    void attachSurface();

    SDL_Window* window_ = nullptr;
    int32_t scale_;
    SDL_Surface* windowSurface_ = nullptr;
    SDL_Surface* canvas_ = nullptr;  // only when the window's pixels are not Cairo's
    CairoSurfacePtr surface_;
    int64_t generation_ = 0;
};

}  // namespace zuhost::play
