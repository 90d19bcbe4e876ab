// Each of the five panels, created through the library's factory and driven
// the way a host drives it: pin values with any ids, voices, sizes and bytes,
// then initialize, measure, arrange and a recorded render, followed by more of
// the same mixed with pointer gestures (any points, NaN and infinities
// included), popup menu choices, typed text and virtual time, which the
// scope's activity runs on. Panels draw the default skin beside the executable.
//
// Input, little-endian (zeros once the input ends):
//   header: u8 panel (mod 5, in the order of `panels`), u8 options (bit 0:
//           the host offers no graphics host)
//   u8 count of pin values delivered before initialize (at most 32), each a
//     pin value as below
//   then initialize, measure (f32 width, f32 height), arrange (f32 left, top,
//     right, bottom) and render, then up to 256 steps, each u8 kind (mod 10):
//     0 pin value: i8 pin id (127: an i32 id follows), u8 voice (255: an i32
//       voice follows), u16 size followed by that many bytes
//     1 initialize
//     2 measure: f32 width, f32 height
//     3 arrange: f32 left, top, right, bottom
//     4 render
//     5 pointer: u8 call (mod 3: down, move, up), u8 modifier keys (low three
//       bits: Shift, Control, Alt), f32 x, f32 y
//     6 drag: f32 x, y from, f32 x, y to, u8 moves (mod 16), u8 modifier keys
//     7 advance virtual time: u16 milliseconds
//     8 the user's next menu choice: i32 item id
//     9 the user's next typed text: u8 length followed by that many bytes
// The session ends with a render and the panel's release.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "framework/MpInterfaces.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "host/gui/ApproximateTextMeasurer.h"
#include "host/gui/PanelSession.h"
#include "host/gui/RecordingContext.h"
#include "host/gui/VirtualPlatform.h"

namespace {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using zufuzz::check;
using zufuzz::FuzzInput;
using zuhost::gui::DrawCall;
using zuhost::gui::PanelSession;

constexpr const char16_t* panels[] = {u"ZU Slider", u"ZU Slider2", u"ZU List Entry", u"ZU Scope3 XP",
                                      u"ZU TrigScope3 XP"};
constexpr int maxEarlyPins = 32;
constexpr int maxSteps = 256;
constexpr int8_t wideId = 127;
constexpr uint8_t wideVoice = 255;

bool finite(MpPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }

bool finite(const MpRect& rect) {
    return std::isfinite(rect.left) && std::isfinite(rect.top) && std::isfinite(rect.right) &&
           std::isfinite(rect.bottom);
}

bool finite(const DrawCall& call) {
    const auto figureFinite = [](const zuhost::gui::Figure& figure) {
        return std::all_of(figure.points.begin(), figure.points.end(), [](MpPoint p) { return finite(p); });
    };
    return finite(call.rect) && finite(call.from) && finite(call.to) && finite(call.source) &&
           std::isfinite(call.strokeWidth) && std::isfinite(call.opacity) &&
           std::all_of(call.figures.begin(), call.figures.end(), figureFinite);
}

MpRect readRect(FuzzInput& input) {
    const float left = input.read<float>();
    const float top = input.read<float>();
    const float right = input.read<float>();
    const float bottom = input.read<float>();
    return {left, top, right, bottom};
}

MpPoint readPoint(FuzzInput& input) {
    const float x = input.read<float>();
    const float y = input.read<float>();
    return {x, y};
}

zuhost::gui::PanelSessionOptions sessionOptions(uint8_t flags) {
    zuhost::gui::PanelSessionOptions options;
    options.offerGraphicsHost = (flags & 1) == 0;
    // Fixed metrics keep runs repeatable and fonts out of the way.
    options.textMeasurer = std::make_shared<zuhost::gui::ApproximateTextMeasurer>();
    return options;
}

class Session {
public:
    Session(FuzzInput& input, std::u16string_view panel, uint8_t flags)
        : input_(input), session_(*PanelSession::factoryFrom(&MP_GetFactory), panel, sessionOptions(flags)) {
        check(session_.createResult() == gmpi::MP_OK, "the factory creates every panel");
    }

    void run() {
        const int early = std::min<int>(input_.read<uint8_t>(), maxEarlyPins);
        for (int i = 0; i < early; ++i) deliverPin();
        session_.initialize();
        measure();
        session_.arrange(readRect(input_));
        render();
        checkHostRequests();
        for (int step = 0; step < maxSteps && !input_.done(); ++step) runStep();
        render();
    }

    void release() {
        session_.releasePanel();
        check(session_.leaks().empty(), "a released panel gives back every host reference and object");
        check(zuhost::gui::VirtualPlatform::instance().runningTimerCount() == 0,
              "no timer runs once the panel is released");
        check(session_.guiHost().unexpectedCalls() == 0 && session_.graphicsHost().unexpectedCalls() == 0,
              "a panel calls its hosts as the interfaces allow");
    }

private:
    void runStep() {
        switch (input_.read<uint8_t>() % 10) {
            case 0: deliverPin(); break;
            case 1: session_.initialize(); break;
            case 2: measure(); break;
            case 3: session_.arrange(readRect(input_)); break;
            case 4: render(); break;
            case 5: pointer(); break;
            case 6: drag(); break;
            case 7: session_.advance(input_.read<uint16_t>()); break;
            case 8: session_.script().chooseMenuItem(input_.read<int32_t>()); break;
            default: typeText(); break;
        }
        checkHostRequests();
    }

    void deliverPin() {
        const auto shortId = input_.read<int8_t>();
        const int32_t pinId = shortId == wideId ? input_.read<int32_t>() : shortId;
        const auto shortVoice = input_.read<uint8_t>();
        const int32_t voice = shortVoice == wideVoice ? input_.read<int32_t>() : shortVoice;
        const std::span<const uint8_t> bytes = input_.bytes(input_.read<uint16_t>());
        // A copy of exactly the given size, so that the sanitizer catches a read past it.
        const auto copy = std::make_unique<uint8_t[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), copy.get());
        session_.setPin(pinId, {copy.get(), bytes.size()}, voice);
    }

    void measure() {
        const float width = input_.read<float>();
        const float height = input_.read<float>();
        const gmpi_gui::MpSize desired = session_.measure({width, height});
        check(std::isfinite(desired.width) && std::isfinite(desired.height), "a panel asks for a finite size");
    }

    void render() {
        zuhost::gui::RecordingContext context;
        session_.render(context);
        check(context.liveObjects() == 0, "a render releases every drawing object it creates");
        check(context.misuses() == 0, "a render hands the context only objects and rectangles it knows");
        const auto& calls = context.calls();
        const auto nonFinite = std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) { return !finite(c); });
        if (nonFinite != calls.end()) std::fprintf(stderr, "%s\n", describe(*nonFinite).c_str());
        check(nonFinite == calls.end(), "no drawing call carries a non-finite coordinate");
    }

    void pointer() {
        const auto call = input_.read<uint8_t>() % 3;
        const uint32_t modifiers = input_.read<uint8_t>() & 7u;
        const MpPoint point = readPoint(input_);
        if (call == 0) session_.pointerDown(point, modifiers);
        if (call == 1) session_.pointerMove(point, modifiers);
        if (call == 2) session_.pointerUp(point, modifiers);
    }

    void drag() {
        const MpPoint from = readPoint(input_);
        const MpPoint to = readPoint(input_);
        const int32_t moves = input_.read<uint8_t>() % 16;
        session_.drag(from, to, moves, input_.read<uint8_t>() & 7u);
    }

    void typeText() {
        const auto text = input_.bytes(input_.read<uint8_t>());
        session_.script().typeText(std::string(text.begin(), text.end()));
    }

    // What a panel asks of its host carries finite positions too.
    void checkHostRequests() {
        for (const auto& rect : session_.graphicsHost().invalidations())
            check(!rect || finite(*rect), "a repaint request covers a finite rectangle");
        session_.graphicsHost().clearInvalidations();
        for (const auto& menu : session_.script().menus())
            check(std::isfinite(menu.x) && std::isfinite(menu.y), "a menu opens at a finite point");
        for (const auto& entry : session_.script().textEntries())
            check(finite(MpRect{entry.left, entry.top, entry.left + entry.width, entry.top + entry.height}),
                  "a text entry opens over a finite rectangle");
    }

    FuzzInput& input_;
    PanelSession session_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const auto panel = panels[input.read<uint8_t>() % std::size(panels)];
    const auto flags = input.read<uint8_t>();
    Session session(input, panel, flags);
    session.run();
    session.release();
    return 0;
}
