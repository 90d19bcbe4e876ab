#include "host/skin/DefaultSkin.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>

#include "host/skin/Buttons.h"
#include "host/skin/Knobs.h"
#include "host/skin/Meters.h"
#include "host/skin/Palette.h"
#include "host/skin/Sliders.h"

namespace zuhost::skin {

namespace {

// The metadata texts are written the way people write them, some values
// apart by blanks, some by commas, some quoted; every form reads the same.
std::string textLines(std::initializer_list<std::string> lines, const char* lineEnd = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + lineEnd;
    return text;
}

std::string number(int value) { return std::to_string(value); }

Canvas frameStrip(int width, int height, int frames, const std::function<void(cairo_t*, int frame)>& paint) {
    Canvas canvas(width, height * frames);
    for (int frame = 0; frame < frames; ++frame)
        canvas.paintFrame(frame, width, height, [&](cairo_t* cr) { paint(cr, frame); });
    return canvas;
}

// The slot is the background frame; the cap lies below it, where the
// metadata's handle rectangle finds it.
SkinImage verticalFader() {
    using G = FaderGeometry;
    const int capInset = (G::breadth - G::capBreadth) / 2;
    Canvas canvas(G::breadth, G::length + G::capLength);
    canvas.paintRegion(0, 0, G::breadth, G::length, [](cairo_t* cr) { paintFaderSlot(cr); });
    canvas.paintRegion(capInset, G::length, G::capBreadth, G::capLength, [](cairo_t* cr) { paintFaderCap(cr); });
    return {
        "vslider_med", ImageFile::Png, std::move(canvas),
        textLines({"type slider", "frame_size " + number(G::breadth) + " " + number(G::length),
                   "handle_rect " + number(capInset) + " " + number(G::length) + " " +
                       number(capInset + G::capBreadth) + " " + number(G::length + G::capLength),
                   "handle_range " + number(G::travelStart) + ", " + number(G::travelEnd), "orientation vertical"})};
}

// The same fader lying down, its cap to the right of the slot.
SkinImage horizontalFader() {
    using G = FaderGeometry;
    const int capInset = (G::breadth - G::capBreadth) / 2;
    Canvas canvas(G::length + G::capLength, G::breadth);
    canvas.paintRegion(0, 0, G::length, G::breadth, [](cairo_t* cr) {
        layDown(cr, G::length);
        paintFaderSlot(cr);
    });
    canvas.paintRegion(G::length, capInset, G::capLength, G::capBreadth, [](cairo_t* cr) {
        layDown(cr, G::capLength);
        paintFaderCap(cr);
    });
    return {
        "hslider_med", ImageFile::Png, std::move(canvas),
        textLines({"type slider", "frame_size " + number(G::length) + "," + number(G::breadth),
                   "handle_rect " + number(G::length) + ", " + number(capInset) + ", " +
                       number(G::length + G::capLength) + ", " + number(capInset + G::capBreadth),
                   "handle_range " + number(G::travelStart) + " " + number(G::travelEnd), "orientation horizontal"})};
}

// 61 frames: the middle frame points straight up, and each frame is 1/60 of the travel.
constexpr int knobFrames = 61;

SkinImage knob(const std::string& name, int size, const char* type) {
    Canvas canvas = frameStrip(size, size, knobFrames,
                               [size](cairo_t* cr, int frame) { paintKnob(cr, size, frame / double(knobFrames - 1)); });
    return {name, ImageFile::Png, std::move(canvas),
            textLines({std::string("type ") + type, "frame_size " + number(size) + ", " + number(size),
                       "padding 0, 0, 0, 0", "mouse_response rotary"})};
}

// A full turn in 5-degree steps. Frame f points at f x 5 degrees clockwise
// from the right, so a step position of t turns (from the right, clockwise)
// shows frame round(72 t), at the leader line drawn for it.
constexpr int switchFrames = 72;
constexpr int switchSize = 40;

SkinImage rotarySwitch() {
    Canvas canvas = frameStrip(switchSize, switchSize, switchFrames, [](cairo_t* cr, int frame) {
        paintRotarySwitch(cr, switchSize, 360.0 * frame / switchFrames);
    });
    return {"switch_rotary", ImageFile::Png, std::move(canvas),
            textLines({"type \"knob\"", "frame_size '" + number(switchSize) + "' '" + number(switchSize) + "'",
                       "mouse_response 'rotary'"})};
}

SkinImage button(const std::string& name, int width, int height, ImageFile file) {
    Canvas canvas =
        frameStrip(width, height, 2, [&](cairo_t* cr, int frame) { paintButton(cr, width, height, frame == 1); });
    return {name, file, std::move(canvas),
            textLines({"type button", "frame_size " + number(width) + " " + number(height), "mouse_response click"})};
}

constexpr int arrowSize = 16;

SkinImage arrow(const std::string& name, ArrowDirection direction) {
    Canvas canvas = frameStrip(arrowSize, arrowSize, 2, [direction](cairo_t* cr, int frame) {
        paintArrowButton(cr, arrowSize, direction, frame == 1);
    });
    return {name, ImageFile::KeyedBmp, std::move(canvas),
            textLines({"type button", "frame_size " + number(arrowSize) + " " + number(arrowSize),
                       "mouse_response click", "transparent_pixel 0 0"})};
}

constexpr int ledSize = 10;

SkinImage led() {
    Canvas canvas = frameStrip(ledSize, ledSize, 2, [](cairo_t* cr, int frame) { paintLed(cr, ledSize, frame == 1); });
    return {"led", ImageFile::Png, std::move(canvas),
            textLines({"type animated", "frame_size " + number(ledSize) + " " + number(ledSize)})};
}

// A bar graph image holds the lit meter above the unlit one. A value of 1
// lights (segment count + 1) x pitch pixels, so the count written is one
// less than the segments drawn.
SkinImage meter(const std::string& name, int width, int segments, int pitch, const std::string& countKey,
                const std::string& responseLine) {
    const int height = segments * pitch;
    Canvas canvas = frameStrip(width, height, 2,
                               [&](cairo_t* cr, int frame) { paintMeter(cr, width, segments, pitch, frame == 0); });
    return {name, ImageFile::Png, std::move(canvas),
            textLines({"type bargraph", "frame_size " + number(width) + " " + number(height),
                       "segment 1, " + number(pitch), countKey + " " + number(segments - 1), responseLine})};
}

// Style sheet colours are written blue first: #BBGGRR.
std::string styleColour(Rgb colour) {
    const auto byte = [](double unit) { return static_cast<unsigned>(std::lround(unit * 255.0)); };
    char word[8];
    std::snprintf(word, sizeof word, "#%02X%02X%02X", byte(colour.blue), byte(colour.green), byte(colour.red));
    return word;
}

std::string styleColourDecimal(Rgb colour) {
    const auto byte = [](double unit) { return static_cast<long>(std::lround(unit * 255.0)); };
    return std::to_string(byte(colour.blue) << 16 | byte(colour.green) << 8 | byte(colour.red));
}

}  // namespace

std::vector<SkinImage> drawDefaultSkin() {
    std::vector<SkinImage> images;
    images.push_back(verticalFader());
    images.push_back(horizontalFader());
    images.push_back(knob("knob_med", 40, "knob"));
    images.push_back(knob("knob_sm", 28, "animated"));
    images.push_back(rotarySwitch());
    images.push_back(button("button", 30, 20, ImageFile::Png));
    images.push_back(button("button_sm", 20, 14, ImageFile::MaskedBmp));
    images.push_back(arrow("arrow_left", ArrowDirection::Left));
    images.push_back(arrow("arrow_right", ArrowDirection::Right));
    images.push_back(led());
    images.push_back(meter("meter_bar", 10, 12, 5, "segment_count", "orientation vertical"));
    images.push_back(meter("meter_bar_sm", 6, 8, 4, "line_end_length", "tiled true"));
    return images;
}

std::string defaultStyleSheet() {
    const char* crlf = "\r\n";
    const std::string text = styleColour(palette::text);
    return textLines({"FONT_CATEGORY default",
                      "font-family Arial, \"Liberation Sans\"",
                      "font-size 11",
                      "font-color " + text,
                      "font-weight normal",
                      "text-decoration none",
                      "",
                      "FONT_CATEGORY title",
                      "font-family Arial 'Liberation Sans'",
                      "font-size 13",
                      "font-color " + text,
                      "font-weight bold",
                      "text-align center",
                      "",
                      "FONT_CATEGORY control_edit",
                      "font-family Arial",
                      "font-size 11",
                      "font-color " + styleColourDecimal(palette::editText),
                      "background-color #FFFFFF",
                      "",
                      "FONT_CATEGORY selector_text",
                      "font-family Arial",
                      "font-size 11",
                      "font-color " + text,
                      "",
                      "FONT_CATEGORY readout",
                      "font-family Arial",
                      "font-size 11",
                      "font-color " + styleColour(palette::accent),
                      "background-color " + styleColour(palette::well),
                      "text-align right",
                      "",
                      "FONT_CATEGORY label",
                      "font-family Arial",
                      "font-size 10",
                      "font-color " + styleColour(palette::textDim),
                      "font-weight 300"},
                     crlf);
}

}  // namespace zuhost::skin
