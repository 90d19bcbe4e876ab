// The panel runner over the panel fixture: a panel that measures 100x40 and
// fills what it is given with red in proportion to its value pin.
#include "host/run/PanelRunner.h"

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "host/description/EmbeddedDescription.h"

namespace {

using namespace zuhost;

std::filesystem::path fixture(const std::string& name) {
    const auto bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    return bin / "fixtures" / ("libzu_fixture_" + name + ".so");
}

struct FixtureRun {
    explicit FixtureRun(const std::string& name)
        : library(std::make_shared<const PluginLibrary>(PluginLibrary::open(fixture(name)))),
          plugin(loadDescription(fixture(name)).plugins.at(0)) {}

    PanelRunner panel(std::ostream& warnings = std::cerr) const {
        return PanelRunner(library, plugin, gui::SkinFolder::besideExecutable(), warnings, "zuhost test");
    }

    std::shared_ptr<const PluginLibrary> library;
    PluginDescription plugin;
};

constexpr uint32_t opaqueRed = 0xFFFF0000;

TEST(PanelRunner, LaysThePanelOutAtWhatItMeasuresOrAtTheGivenSizeAndDrawsItThere) {
    const std::pair<std::optional<gmpi_gui::MpSize>, gmpi_gui::MpSize> cases[] = {
        {std::nullopt, {100, 40}},
        {gmpi_gui::MpSize{30.5f, 20}, {31, 20}},
    };
    const FixtureRun run("panel_sound");
    for (const auto& [given, expected] : cases) {
        PanelRunner panel = run.panel();
        panel.session().setFloat(0, 1.0f);
        const gmpi_gui::MpSize size = panel.start(given);
        EXPECT_EQ(size.width, expected.width);
        EXPECT_EQ(size.height, expected.height);
        const auto picture = panel.picture();
        EXPECT_EQ(picture->width(), static_cast<int32_t>(expected.width));
        EXPECT_EQ(picture->height(), static_cast<int32_t>(expected.height));
        EXPECT_EQ(picture->pixel(0, 0), opaqueRed);
        EXPECT_EQ(picture->pixel(picture->width() - 1, picture->height() - 1), opaqueRed);
    }
}

TEST(PanelRunner, APlugInWithoutADrawablePanelFailsWithOneMessage) {
    FixtureRun run("panel_sound");
    run.plugin.id = "No Such Panel";
    try {
        run.panel();
        ADD_FAILURE() << "no panel, yet a runner";
    } catch (const PanelUnavailable& error) {
        EXPECT_EQ(std::string(error.what()).rfind("\"No Such Panel\" has no drawable panel (result ", 0), 0u)
            << error.what();
    }
}

TEST(PanelRunner, ReleasingWarnsOfAnyHostReferenceThePanelKept) {
    const FixtureRun run("panel_sound");
    for (const bool keepsHost : {false, true}) {
        std::ostringstream err;
        PanelRunner panel = run.panel(err);
        panel.start(std::nullopt);
        // A reference taken for the panel stands for one it forgot to give back.
        if (keepsHost) panel.session().guiHost().addRef();
        panel.release();
        if (keepsHost) {
            EXPECT_EQ(err.str().rfind("zuhost test: warning: ", 0), 0u) << err.str();
            EXPECT_NE(err.str().find("GUI host"), std::string::npos) << err.str();
            panel.session().guiHost().release();
        } else {
            EXPECT_EQ(err.str(), "");
        }
    }
}

}  // namespace
