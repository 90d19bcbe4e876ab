#include <cstdio>
#include <string>

#include "host/validate/Checks.h"
#include "host/validate/PanelDrive.h"

namespace zuhost {

namespace {

using gmpi_gui::MpSize;

// Tiny, zero, common and huge sizes: a panel must lay itself out at any of them.
constexpr MpSize layoutSizes[] = {{0, 0}, {1, 1}, {3, 200}, {120, 40}, {400, 300}, {8000, 6000}, {1e6f, 1e6f}};
constexpr int32_t warmRenders = 20;

std::string milliseconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1000.0);
    return text;
}

int32_t gestureCount(const CheckContext& context) { return 20 * context.options.strictness; }

// A panel as a host sets it up: created, pins delivered, initialised, laid out.
void prepare(PanelDrive& drive) {
    drive.requireCreated();
    drive.deliverDescribedPins();
    drive.deliverParameters();
    if (const int32_t result = drive.session().initialize(); result != gmpi::MP_OK)
        fail("initialize answered " + std::to_string(result));
}

double renderCleanly(PanelDrive& drive, MpSize available) {
    gui::RecordingContext recording;
    const double seconds = drive.layOutAndRender(available, recording);
    requireCleanRender(recording, available);
    return seconds;
}

}  // namespace

Verdict checkPanelHosts(const CheckContext& context) {
    for (const bool graphicsHost : {true, false}) {
        within(graphicsHost ? "with a graphics host" : "without a graphics host", [&] {
            PanelDrive drive(context, graphicsHost);
            prepare(drive);
            drive.layOutAndRender({200, 100});
            drive.session().releasePanel();
        });
    }
    return passed();
}

Verdict checkPanelPins(const CheckContext& context) {
    PanelDrive drive(context);
    drive.requireCreated();
    std::string note = drive.deliverDescribedPins();
    if (note.empty()) note = std::to_string(context.plugin->guiPins.size()) + " pins";
    return passed(note);
}

Verdict checkPanelRendering(const CheckContext& context) {
    PanelDrive drive(context);
    prepare(drive);
    const double cold = renderCleanly(drive, {200, 100});
    for (const MpSize size : layoutSizes) renderCleanly(drive, size);
    double warm = 0;
    for (int32_t i = 0; i < warmRenders; ++i) warm += renderCleanly(drive, {200, 100});
    return passed("render cold " + milliseconds(cold) + ", warm " + milliseconds(warm / warmRenders));
}

Verdict checkPanelGestures(const CheckContext& context) {
    PanelDrive drive(context);
    prepare(drive);
    drive.layOutAndRender({200, 100});
    RandomSource random(context.options.seed, context.plugin->id + "/panel gestures");
    drive.playGestures(random, gestureCount(context));
    drive.layOutAndRender({200, 100});
    drive.requireDescribedTransmits();
    drive.requireTransmitsFromAControl();
    return passed(std::to_string(drive.session().guiHost().transmits().size()) + " values sent");
}

Verdict checkPanelRandomPins(const CheckContext& context) {
    PanelDrive drive(context);
    prepare(drive);
    RandomSource random(context.options.seed, context.plugin->id + "/panel pins");
    drive.sendRandomPins(random, gestureCount(context) * 5);
    drive.layOutAndRender({200, 100});
    return passed();
}

Verdict checkPanelReferences(const CheckContext& context) {
    PanelDrive drive(context);
    prepare(drive);
    drive.layOutAndRender({200, 100});
    drive.releaseAndRequireClean();
    return passed();
}

}  // namespace zuhost
