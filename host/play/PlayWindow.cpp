#include "host/play/PlayWindow.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zuhost::play {

namespace {

int32_t pixelsOf(float units, int32_t scale) { return static_cast<int32_t>(std::ceil(units)) * scale; }

std::optional<cairo_format_t> cairoFormatOf(const SDL_Surface& surface) {
    if (surface.format->format == SDL_PIXELFORMAT_RGB888) return CAIRO_FORMAT_RGB24;
    if (surface.format->format == SDL_PIXELFORMAT_ARGB8888) return CAIRO_FORMAT_ARGB32;
    return std::nullopt;
}

}  // namespace

PlayWindow::PlayWindow(const std::string& title, gmpi_gui::MpSize size, int32_t scale, std::optional<WindowPlace> place)
    : scale_(std::max(scale, 1)) {
    int32_t x = SDL_WINDOWPOS_UNDEFINED, y = SDL_WINDOWPOS_UNDEFINED;
    int32_t width = pixelsOf(size.width, scale_), height = pixelsOf(size.height, scale_);
    if (place) {
        x = place->x;
        y = place->y;
        width = std::max(width, place->width * scale_);
        height = std::max(height, place->height * scale_);
    }
    window_ = SDL_CreateWindow(title.c_str(), x, y, width, height, SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    attachSurface();
}

PlayWindow::~PlayWindow() {
    surface_.reset();
    if (canvas_ != nullptr) SDL_FreeSurface(canvas_);
    SDL_DestroyWindow(window_);
}

void PlayWindow::attachSurface() {
    surface_.reset();
    if (canvas_ != nullptr) SDL_FreeSurface(canvas_);
    canvas_ = nullptr;
    windowSurface_ = SDL_GetWindowSurface(window_);
    if (windowSurface_ == nullptr) throw std::runtime_error(std::string("the window has no pixels: ") + SDL_GetError());
    SDL_Surface* target = windowSurface_;
    auto format = cairoFormatOf(*windowSurface_);
    if (!format) {
        canvas_ = SDL_CreateRGBSurfaceWithFormat(0, windowSurface_->w, windowSurface_->h, 32, SDL_PIXELFORMAT_RGB888);
        if (canvas_ == nullptr) throw std::runtime_error(std::string("cannot make a canvas: ") + SDL_GetError());
        target = canvas_;
        format = CAIRO_FORMAT_RGB24;
    }
    surface_.reset(cairo_image_surface_create_for_data(static_cast<unsigned char*>(target->pixels), *format, target->w,
                                                       target->h, target->pitch));
    ++generation_;
}

void PlayWindow::sizeChanged() { attachSurface(); }

gmpi_gui::MpSize PlayWindow::size() const {
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    return {static_cast<float>(width / scale_), static_cast<float>(height / scale_)};
}

WindowPlace PlayWindow::place() const {
    WindowPlace place;
    SDL_GetWindowPosition(window_, &place.x, &place.y);
    const gmpi_gui::MpSize units = size();
    place.width = static_cast<int32_t>(units.width);
    place.height = static_cast<int32_t>(units.height);
    return place;
}

void PlayWindow::resize(gmpi_gui::MpSize size) {
    SDL_SetWindowSize(window_, pixelsOf(size.width, scale_), pixelsOf(size.height, scale_));
    attachSurface();
}

CairoSurfacePtr PlayWindow::region(const gmpi_gui::MpRect& rect) const {
    cairo_surface_t* whole = surface_.get();
    const int32_t width = cairo_image_surface_get_width(whole), height = cairo_image_surface_get_height(whole);
    const int32_t left = std::clamp(static_cast<int32_t>(rect.left) * scale_, 0, width);
    const int32_t top = std::clamp(static_cast<int32_t>(rect.top) * scale_, 0, height);
    const int32_t right = std::clamp(pixelsOf(rect.right, scale_), left, width);
    const int32_t bottom = std::clamp(pixelsOf(rect.bottom, scale_), top, height);
    if (right == left || bottom == top) return nullptr;
    const int32_t stride = cairo_image_surface_get_stride(whole);
    unsigned char* first = cairo_image_surface_get_data(whole) +
                           static_cast<size_t>(top) * static_cast<size_t>(stride) + static_cast<size_t>(left) * 4;
    return CairoSurfacePtr(cairo_image_surface_create_for_data(first, cairo_image_surface_get_format(whole),
                                                               right - left, bottom - top, stride));
}

void PlayWindow::present() {
    cairo_surface_flush(surface_.get());
    if (canvas_ != nullptr) SDL_BlitSurface(canvas_, nullptr, windowSurface_, nullptr);
    SDL_UpdateWindowSurface(window_);
}

bool PlayWindow::writePng(const std::filesystem::path& path) const {
    cairo_surface_flush(surface_.get());
    return cairo_surface_write_to_png(surface_.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace zuhost::play
