#include "host/validate/PanelDrive.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <span>
#include <vector>

#include "host/description/TextEncoding.h"
#include "host/run/ParameterPins.h"
#include "host/validate/ProcessorDrive.h"

namespace zuhost {

namespace {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

constexpr int32_t unboundPin = -1;
constexpr int64_t quietMilliseconds = 1000;
constexpr int32_t sweepGrid = 16;  // starting points a side
constexpr int32_t sweepMoves = 4;

gui::PanelSessionOptions sessionOptions(bool offerGraphicsHost) {
    gui::PanelSessionOptions options;
    options.offerGraphicsHost = offerGraphicsHost;
    return options;
}

// Zero bytes, so that even an empty value points at memory, as a host's does.
constexpr uint8_t zeroBytes[8] = {};

// The value a host delivers before anything was set: zero of the pin's datatype.
std::span<const uint8_t> zeroValue(int32_t datatypeCode) {
    switch (datatypeCode) {
        case gmpi::MP_BOOL: return {zeroBytes, 1};
        case gmpi::MP_FLOAT32:
        case gmpi::MP_INT32: return {zeroBytes, 4};
        default: return {zeroBytes, 0};
    }
}

bool finite(MpPoint point) { return std::isfinite(point.x) && std::isfinite(point.y); }
bool finite(const MpRect& rect) {
    return finite(MpPoint{rect.left, rect.top}) && finite(MpPoint{rect.right, rect.bottom});
}

bool finiteCoordinates(const gui::DrawCall& call) {
    if (!finite(call.rect) || !finite(call.from) || !finite(call.to) || !finite(call.source)) return false;
    if (!std::isfinite(call.strokeWidth)) return false;
    for (const gui::Figure& figure : call.figures)
        for (const MpPoint point : figure.points)
            if (!finite(point)) return false;
    return true;
}

MpPoint randomPoint(RandomSource& random, const MpRect& bounds) {
    const float margin = 20.0f;
    return {static_cast<float>(random.real(bounds.left - margin, bounds.right + margin)),
            static_cast<float>(random.real(bounds.top - margin, bounds.bottom + margin))};
}

uint32_t randomModifiers(RandomSource& random) {
    return static_cast<uint32_t>(random.integer(0, gui::ShiftKey | gui::ControlKey | gui::AltKey));
}

struct HostCallCount {
    size_t transmits;
    size_t invalidations;
    int32_t unexpected;

    bool operator==(const HostCallCount&) const = default;
};

bool processorTakes(const PluginDescription& plugin, const ParameterDescription& parameter) {
    const auto pins = pinsOfParameter(plugin.audioPins, parameter.id, valueField);
    return std::any_of(pins.begin(), pins.end(),
                       [](const PinDescription* pin) { return pin->direction == gmpi::MP_IN; });
}

HostCallCount countHostCalls(gui::PanelSession& session) {
    return {session.guiHost().transmits().size(), session.graphicsHost().invalidations().size(),
            session.guiHost().unexpectedCalls() + session.graphicsHost().unexpectedCalls()};
}

}  // namespace

void requireCleanRender(const gui::RecordingContext& recording, MpSize available) {
    const std::string where =
        "after a render at " + std::to_string(available.width) + " by " + std::to_string(available.height) + ": ";
    if (recording.liveObjects() > 0)
        fail(where + std::to_string(recording.liveObjects()) + " drawing objects not released");
    if (recording.references().outstanding() != 0)
        fail(where + "the drawing context holds " + std::to_string(recording.references().outstanding()) +
             " references");
    if (recording.misuses() > 0) fail(where + std::to_string(recording.misuses()) + " calls with unknown objects");
    for (const gui::DrawCall& call : recording.calls())
        if (!finiteCoordinates(call)) fail(where + "a non-finite coordinate in " + gui::describe(call));
}

PanelDrive::PanelDrive(const CheckContext& context, bool offerGraphicsHost)
    : context_(context),
      library_(PluginLibrary::open(context.options.library)),
      session_(library_.factory(), utf8ToUtf16(context.plugin->id), sessionOptions(offerGraphicsHost)) {}

void PanelDrive::requireCreated() const {
    if (session_.createResult() != gmpi::MP_OK)
        fail("createInstance2 of kind 2 answered " + std::to_string(session_.createResult()));
    if (session_.panel() == nullptr) fail("the panel answers no IMpUserInterface2");
    if (session_.graphics() == nullptr) fail("the panel answers no IMpGraphics");
    if (session_.setHostResult() != gmpi::MP_OK) fail("setHost answered " + std::to_string(session_.setHostResult()));
}

std::string PanelDrive::deliverDescribedPins() {
    std::string unbound;
    for (const PinDescription& pin : context_.plugin->guiPins) {
        const int32_t result = session_.setPin(pin.index, zeroValue(pin.datatypeCode));
        if (result == gmpi::MP_FAIL)
            unbound += (unbound.empty() ? "" : ", ") + pinName(pin);
        else if (result != gmpi::MP_OK)
            fail("setPin(" + std::to_string(pin.index) + ") for the described " + pin.datatype + " " + pinName(pin) +
                 " answered " + std::to_string(result));
    }
    if (session_.setPin(unboundPin, zeroValue(gmpi::MP_INT32)) == gmpi::MP_OK &&
        !context_.plugin->findGuiPin(unboundPin))
        fail("setPin(-1) was accepted although no pin has that id");
    // A described pin that the panel does not take costs nothing at run time.
    return unbound.empty() ? std::string() : "warning: the panel does not take the described " + unbound;
}

void PanelDrive::deliverParameters() {
    for (const PanelPinValue& value : parameterPinValues(*context_.plugin, ParameterRange{}))
        session_.setPin(value.pin, value.bytes);
}

double PanelDrive::layOutAndRender(MpSize available) {
    gui::RecordingContext recording;
    return layOutAndRender(available, recording);
}

double PanelDrive::layOutAndRender(MpSize available, gui::RecordingContext& recording) {
    const MpSize desired = session_.measure(available);
    if (!std::isfinite(desired.width) || !std::isfinite(desired.height) || desired.width < 0 || desired.height < 0)
        fail("measure answered " + std::to_string(desired.width) + " by " + std::to_string(desired.height));
    bounds_ = {0, 0, available.width, available.height};
    if (const int32_t result = session_.arrange(bounds_); result != gmpi::MP_OK)
        fail("arrange answered " + std::to_string(result));
    const auto start = std::chrono::steady_clock::now();
    const int32_t result = session_.render(recording);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result != gmpi::MP_OK) fail("render answered " + std::to_string(result));
    return seconds;
}

void PanelDrive::requireDescribedTransmits() {
    for (const gui::PinTransmit& sent : session_.guiHost().transmits()) {
        const PinDescription* pin = context_.plugin->findGuiPin(sent.pinId);
        if (pin == nullptr)
            fail("the panel sent a value for pin " + std::to_string(sent.pinId) + ", which is not described");
    }
}

void PanelDrive::requireTransmitsFromAControl() {
    const PluginDescription& plugin = *context_.plugin;
    for (const ParameterDescription& parameter : plugin.parameters) {
        const auto shown = pinsOfParameter(plugin.guiPins, parameter.id, valueField);
        if (shown.empty() || !processorTakes(plugin, parameter)) continue;
        sweepDrags();
        if (session_.guiHost().transmits().empty())
            fail("the panel shows parameter \"" + parameter.name + "\" on " + pinName(*shown.front()) +
                 ", whose range is 0 to 10, but sent nothing when dragged across");
        return;
    }
}

void PanelDrive::sweepDrags() {
    const float width = bounds_.right - bounds_.left;
    const float height = bounds_.bottom - bounds_.top;
    for (int32_t row = 0; row < sweepGrid; ++row) {
        for (int32_t column = 0; column < sweepGrid; ++column) {
            if (!session_.guiHost().transmits().empty()) return;
            const MpPoint from{bounds_.left + width * (static_cast<float>(column) + 0.5f) / sweepGrid,
                               bounds_.top + height * (static_cast<float>(row) + 0.5f) / sweepGrid};
            dragAnswering(from, {from.x + width / 4, from.y - height / 4});
        }
    }
}

void PanelDrive::dragAnswering(MpPoint from, MpPoint to) {
    gui::UserScript& user = session_.script();
    const size_t menus = user.menus().size();
    const size_t entries = user.textEntries().size();
    session_.drag(from, to, sweepMoves);
    const bool menuUnanswered =
        user.menus().size() > menus && !user.menus().back().items.empty() && user.menus().back().chosenId == -1;
    const bool entryUnanswered = user.textEntries().size() > entries && !user.textEntries().back().typedText;
    if (!menuUnanswered && !entryUnanswered) return;
    if (menuUnanswered) user.chooseMenuItem(user.menus().back().items.back().id);
    if (entryUnanswered) user.typeText("1");
    session_.drag(from, to, sweepMoves);
}

void PanelDrive::playGestures(RandomSource& random, int32_t count) {
    for (int32_t gesture = 0; gesture < count; ++gesture) {
        const uint32_t modifiers = randomModifiers(random);
        if (random.chance(0.3)) {
            session_.pointerDown(randomPoint(random, bounds_), modifiers);
            session_.pointerUp(randomPoint(random, bounds_), modifiers);
        } else {
            const auto moves = static_cast<int32_t>(random.integer(1, 12));
            session_.drag(randomPoint(random, bounds_), randomPoint(random, bounds_), moves, modifiers);
        }
        session_.advance(random.integer(0, 200));
    }
}

const PinDescription* PanelDrive::randomPin(RandomSource& random) const {
    const auto& pins = context_.plugin->guiPins;
    if (pins.empty() || random.chance(0.1)) return nullptr;
    return &pins[static_cast<size_t>(random.integer(0, static_cast<int64_t>(pins.size()) - 1))];
}

void PanelDrive::sendRandomPins(RandomSource& random, int32_t count) {
    constexpr int32_t datatypes[] = {gmpi::MP_STRING, gmpi::MP_BOOL, gmpi::MP_FLOAT32, gmpi::MP_INT32, gmpi::MP_BLOB};
    for (int32_t i = 0; i < count; ++i) {
        const PinDescription* pin = randomPin(random);
        const int32_t id = pin != nullptr ? pin->index : static_cast<int32_t>(random.integer(-3, 1000));
        const int32_t datatype = pin != nullptr && random.chance(0.7)
                                     ? pin->datatypeCode
                                     : datatypes[random.integer(0, std::size(datatypes) - 1)];
        std::vector<uint8_t> bytes = random.value(datatype);
        if (random.chance(0.2)) bytes.resize(static_cast<size_t>(random.integer(0, 9)), 0xA5);
        const auto voice =
            static_cast<int32_t>(random.chance(0.8) ? random.integer(0, 127) : random.integer(-5, 100000));
        session_.setPin(id, bytes.empty() ? zeroValue(gmpi::MP_STRING) : std::span<const uint8_t>(bytes), voice);
    }
}

void PanelDrive::releaseAndRequireClean() {
    session_.advance(quietMilliseconds);
    const HostCallCount before = countHostCalls(session_);
    session_.releasePanel();
    session_.advance(quietMilliseconds);
    if (countHostCalls(session_) != before) fail("the panel called the host after its last release");
    if (const std::string leaks = session_.leaks(); !leaks.empty()) fail("after the last release: " + leaks);
}

}  // namespace zuhost
