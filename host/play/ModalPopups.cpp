#include "host/play/ModalPopups.h"

#include <algorithm>

#include "host/play/WindowChrome.h"

namespace zuhost::play {

namespace {

constexpr float itemHeight = 20.0f;
constexpr float itemPadding = 8.0f;
constexpr float smallestMenuWidth = 80.0f;
constexpr float smallestFieldWidth = 60.0f;
constexpr float smallestFieldHeight = 20.0f;
constexpr float popupTextSize = 12.0f;
constexpr int waitMs = 10;
constexpr gmpi_gui::MpColor menuColour{0.17f, 0.19f, 0.22f, 1.0f};
constexpr gmpi_gui::MpColor borderColour{0.45f, 0.48f, 0.52f, 1.0f};
constexpr gmpi_gui::MpColor highlightColour{0.24f, 0.44f, 0.71f, 1.0f};
constexpr gmpi_gui::MpColor lightText{0.92f, 0.93f, 0.95f, 1.0f};
constexpr gmpi_gui::MpColor fieldColour{1.0f, 1.0f, 1.0f, 1.0f};
constexpr gmpi_gui::MpColor darkText{0.05f, 0.05f, 0.05f, 1.0f};
constexpr gmpi_gui::MpColor selectionColour{0.70f, 0.82f, 1.0f, 1.0f};

bool inside(const gmpi_gui::MpRect& r, gmpi_gui::MpPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The rectangle moved left and up as far as needed to lie inside the window.
gmpi_gui::MpRect keptInside(gmpi_gui::MpRect r, gmpi_gui::MpSize window) {
    const float dx = std::min(0.0f, window.width - r.right), dy = std::min(0.0f, window.height - r.bottom);
    r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    const float ux = std::max(0.0f, -r.left), uy = std::max(0.0f, -r.top);
    return {r.left + ux, r.top + uy, r.right + ux, r.bottom + uy};
}

void dropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
}

bool isEnter(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN && (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER);
}

bool isKey(const SDL_Event& event, SDL_Keycode key) { return event.type == SDL_KEYDOWN && event.key.keysym.sym == key; }

// Where a menu's left edge goes: its alignment says which of its edges, or
// its middle, stands at x.
float menuLeft(const gui::ShownMenu& menu, float width) {
    if (menu.alignment == gmpi_gui::MP_TEXT_ALIGN_CENTER) return menu.x - width / 2;
    if (menu.alignment == gmpi_gui::MP_TEXT_ALIGN_TRAILING) return menu.x - width;
    return menu.x;
}

}  // namespace

ModalPopups::ModalPopups(PlayWindow& window, KeepRunning keepRunning, std::filesystem::path screenshot)
    : window_(window), keepRunning_(std::move(keepRunning)), screenshot_(std::move(screenshot)) {}

gmpi_gui::MpPoint ModalPopups::toWindow(const SDL_Event& event) const {
    const auto scale = static_cast<float>(window_.scale());
    if (event.type == SDL_MOUSEMOTION) return {event.motion.x / scale, event.motion.y / scale};
    return {event.button.x / scale, event.button.y / scale};
}

bool ModalPopups::runModal(const std::function<bool(const SDL_Event&)>& handle, const std::function<void()>& draw) {
    ++shown_;
    draw();
    window_.present();
    for (;;) {
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, waitMs)) {
            do {
                if (event.type == SDL_QUIT) {
                    quitAsked_ = true;
                    return false;
                }
                if (isKey(event, SDLK_F12)) window_.writePng(screenshot_);
                if (handle(event)) return true;
                if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    window_.sizeChanged();
            } while (SDL_PollEvent(&event));
            draw();
            window_.present();
        }
        if (!keepRunning_()) {
            quitAsked_ = true;
            return false;
        }
    }
}

int32_t ModalPopups::chooseFrom(const gui::ShownMenu& menu) {
    if (menu.items.empty()) return -1;
    const auto format = chromeText(popupTextSize);
    const auto count = static_cast<int32_t>(menu.items.size());
    float width = smallestMenuWidth;
    for (const gui::MenuItem& item : menu.items)
        width = std::max(width, textWidth(item.text, format) + 2 * itemPadding);
    // A menu longer than the window shows what fits and scrolls.
    const int32_t rows = std::clamp(static_cast<int32_t>(window_.size().height / itemHeight), 1, count);
    const float left = origin_.x + menuLeft(menu, width), top = origin_.y + menu.y;
    const gmpi_gui::MpRect area =
        keptInside({left, top, left + width, top + itemHeight * static_cast<float>(rows)}, window_.size());
    int32_t firstRow = 0, highlighted = -1, chosen = -1;
    const auto itemAt = [&](gmpi_gui::MpPoint p) {
        return inside(area, p) ? std::min(firstRow + static_cast<int32_t>((p.y - area.top) / itemHeight), count - 1)
                               : -1;
    };
    const auto highlight = [&](int32_t item) {
        highlighted = item;
        if (item >= 0) firstRow = std::clamp(firstRow, item - rows + 1, item);
    };
    const auto draw = [&] {
        ChromePainter painter(window_.pixels(), window_.scale());
        painter.fill(area, menuColour);
        for (int32_t row = 0; row < rows; ++row) {
            const int32_t item = firstRow + row;
            const float rowTop = area.top + itemHeight * static_cast<float>(row);
            const gmpi_gui::MpRect where{area.left, rowTop, area.right, rowTop + itemHeight};
            if (item == highlighted) painter.fill(where, highlightColour);
            painter.text({where.left + itemPadding, where.top, where.right - itemPadding, where.bottom},
                         menu.items[static_cast<size_t>(item)].text, format, lightText);
        }
        painter.frame(area, borderColour);
    };
    const auto handle = [&](const SDL_Event& event) {
        if (event.type == SDL_MOUSEMOTION) highlighted = itemAt(toWindow(event));
        if (event.type == SDL_MOUSEWHEEL) firstRow = std::clamp(firstRow - event.wheel.y, 0, count - rows);
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            const int32_t item = itemAt(toWindow(event));
            if (item >= 0) chosen = menu.items[static_cast<size_t>(item)].id;
            return true;
        }
        if (isKey(event, SDLK_DOWN)) highlight((highlighted + 1) % count);
        if (isKey(event, SDLK_UP)) highlight(highlighted <= 0 ? count - 1 : highlighted - 1);
        if (isEnter(event) && highlighted >= 0) {
            chosen = menu.items[static_cast<size_t>(highlighted)].id;
            return true;
        }
        return isKey(event, SDLK_ESCAPE);
    };
    runModal(handle, draw);
    return chosen;
}

std::optional<std::string> ModalPopups::typeInto(const gui::ShownTextEntry& entry) {
    const auto format = chromeText(popupTextSize);
    const gmpi_gui::MpRect area = keptInside({origin_.x + entry.left, origin_.y + entry.top,
                                              origin_.x + entry.left + std::max(entry.width, smallestFieldWidth),
                                              origin_.y + entry.top + std::max(entry.height, smallestFieldHeight)},
                                             window_.size());
    std::string text = entry.startingText;
    bool selected = true;  // the first key typed replaces the starting text
    std::optional<std::string> result;
    const auto draw = [&] {
        ChromePainter painter(window_.pixels(), window_.scale());
        painter.fill(area, fieldColour);
        const gmpi_gui::MpRect inset{area.left + 3, area.top, area.right - 3, area.bottom};
        const float width = textWidth(text, format);
        if (selected && !text.empty())
            painter.fill({inset.left, area.top + 3, inset.left + width, area.bottom - 3}, selectionColour);
        painter.text(inset, text, format, darkText);
        if (!selected)
            painter.fill({inset.left + width, area.top + 3, inset.left + width + 1, area.bottom - 3}, darkText);
        painter.frame(area, highlightColour);
    };
    const auto handle = [&](const SDL_Event& event) {
        if (event.type == SDL_TEXTINPUT) {
            if (selected) text.clear();
            selected = false;
            text += event.text.text;
        } else if (isKey(event, SDLK_BACKSPACE)) {
            if (selected)
                text.clear();
            else
                dropLastCharacter(text);
            selected = false;
        } else if (isEnter(event) || (event.type == SDL_MOUSEBUTTONDOWN && !inside(area, toWindow(event)))) {
            result = text;
            return true;
        }
        return isKey(event, SDLK_ESCAPE);
    };
    SDL_StartTextInput();
    runModal(handle, draw);
    SDL_StopTextInput();
    return result;
}

}  // namespace zuhost::play
