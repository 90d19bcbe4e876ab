#include "host/panel/GalleryCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <functional>

#include "framework/EnumListIterator.h"
#include "framework/MpInterfaces.h"
#include "host/command/LibraryArgument.h"
#include "host/command/NumberText.h"
#include "host/command/OutputPaths.h"
#include "host/command/ParsedOption.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/TextEncoding.h"
#include "host/panel/PanelArguments.h"
#include "host/panel/ScopeCaptures.h"
#include "host/run/ContactSheet.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/OutputFile.h"
#include "host/run/OutputFolder.h"
#include "host/run/PanelRunner.h"
#include "host/run/ParameterPins.h"
#include "host/run/RunOutputs.h"

namespace zuhost {

namespace {

constexpr int32_t sheetColumns = 9;
constexpr const char* shortList = "Sine,Saw,Square";
constexpr const char* longList = "C,C#,D,D#,E,F,F#,G,G#,A,A#,B,Octave up,Octave down";
constexpr float fractions[] = {0.0f, 0.5f, 1.0f};

struct Appearance {
    int32_t value;
    std::string name;
};

// The appearances a panel offers, from its Appearance pin's enumeration; none
// draws nothing, so it is left out.
std::vector<Appearance> appearancesOf(const PinDescription* pin) {
    std::vector<Appearance> found;
    if (pin == nullptr) return {{0, ""}};
    gmpi::EnumListIterator items(utf8ToUtf16(pin->attribute("metadata").value_or("")));
    for (items.first(); !items.isDone(); items.next())
        if (items.value() >= 0) found.push_back({items.value(), utf16ToUtf8(items.text())});
    return found;
}

int32_t itemCount(const char* list) {
    gmpi::EnumListIterator items(utf8ToUtf16(list));
    return items.count();
}

class Gallery {
public:
    Gallery(std::shared_ptr<const PluginLibrary> library, std::filesystem::path skin, const std::filesystem::path& out,
            std::ostream& err)
        : library_(std::move(library)), skin_(std::move(skin)), folder_(out), err_(err) {}

    void addPlugin(const PluginDescription& plugin) {
        if (firstPinWithField(plugin.guiPins, "EnumList")) return addListEntry(plugin);
        if (std::any_of(plugin.guiPins.begin(), plugin.guiPins.end(),
                        [](const PinDescription& pin) { return pin.datatypeCode == gmpi::MP_BLOB; }))
            return addScope(plugin);
        addSlider(plugin);
    }

    void write(std::ostream& out) {
        const std::filesystem::path sheet = folder_.file("gallery.png");
        sheet_.write(sheet);
        OutputFile page(folder_.file("gallery.html"));
        page << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Panels</title><style>"
             << "body{background:#101214;color:#d8dde4;font-family:sans-serif}"
             << "figure{display:inline-block;margin:8px;vertical-align:top}</style></head><body>\n"
             << "<h1>Panels</h1>\n<p><a href=\"gallery.png\">Contact sheet</a></p>\n"
             << html_ << "</body></html>\n";
        page.finish();
        out << "wrote " << sheet_.size() << " pictures, " << sheet.string() << " and " << page.path().string() << "\n";
    }

private:
    using Setup = std::function<void(gui::PanelSession&)>;

    void addSlider(const PluginDescription& plugin) {
        const PinDescription* low = firstPinWithField(plugin.guiPins, "RangeMinimum");
        const PinDescription* high = firstPinWithField(plugin.guiPins, "RangeMaximum");
        const PinDescription* value = firstPinWithField(plugin.guiPins, valueField);
        for (const Appearance& appearance : appearancesOf(appearancePin(plugin))) {
            for (const float fraction : fractions) {
                add(plugin, appearance.name + " at " + shortestText(fraction), [&](gui::PanelSession& session) {
                    setAppearance(session, plugin, appearance);
                    if (low) session.setFloat(low->index, 0.0f);
                    if (high) session.setFloat(high->index, 1.0f);
                    if (value) session.setFloat(value->index, fraction);
                });
            }
        }
    }

    void addListEntry(const PluginDescription& plugin) {
        const PinDescription* list = firstPinWithField(plugin.guiPins, "EnumList");
        const PinDescription* value = firstPinWithField(plugin.guiPins, valueField);
        for (const Appearance& appearance : appearancesOf(appearancePin(plugin))) {
            for (const char* items : {shortList, longList}) {
                for (const float fraction : fractions) {
                    const int32_t chosen = static_cast<int32_t>(fraction * static_cast<float>(itemCount(items) - 1));
                    const std::string caption = appearance.name + ", " + std::to_string(itemCount(items)) +
                                                " items, item " + std::to_string(chosen);
                    add(plugin, caption, [&](gui::PanelSession& session) {
                        setAppearance(session, plugin, appearance);
                        session.setString(list->index, utf8ToUtf16(items));
                        if (value) session.setInt(value->index, chosen);
                    });
                }
            }
        }
    }

    void addScope(const PluginDescription& plugin) {
        const PinDescription& a = findBlobPin(plugin, "A");
        const PinDescription& b = findBlobPin(plugin, "B");
        add(plugin, "one voice", [&](gui::PanelSession& session) {
            session.setBlob(a.index, captureOf(Signal::sine(220.0f, 0.8f), 48000.0f));
            session.setBlob(b.index, captureOf(Signal::sine(440.0f, 0.4f), 48000.0f));
            openGate(session, plugin, 0);
        });
        add(plugin, "four voices", [&](gui::PanelSession& session) {
            if (const PinDescription* poly = polyDetectPin(plugin)) session.setBool(poly->index, true);
            for (int32_t voice = 0; voice < 4; ++voice) {
                const float step = static_cast<float>(voice);
                session.setBlob(a.index, captureOf(Signal::sine(150.0f + 110.0f * step, 0.9f - 0.2f * step), 48000.0f),
                                voice);
                openGate(session, plugin, voice);
            }
        });
    }

    static const PinDescription* appearancePin(const PluginDescription& plugin) {
        for (const PinDescription& pin : plugin.guiPins)
            if (pin.name == "Appearance") return &pin;
        return nullptr;
    }
    static const PinDescription* polyDetectPin(const PluginDescription& plugin) {
        for (const PinDescription& pin : plugin.guiPins)
            if (pin.datatypeCode == gmpi::MP_BOOL && pin.parameterId) return &pin;
        return nullptr;
    }
    static void setAppearance(gui::PanelSession& session, const PluginDescription& plugin,
                              const Appearance& appearance) {
        if (const PinDescription* pin = appearancePin(plugin)) session.setInt(pin->index, appearance.value);
    }
    static void openGate(gui::PanelSession& session, const PluginDescription& plugin, int32_t voice) {
        for (const PinDescription& pin : plugin.guiPins)
            if (pin.attribute("hostConnect") == "Voice/Gate") session.setFloat(pin.index, 1.0f, voice);
    }

    // A panel the library cannot make is left out.
    void add(const PluginDescription& plugin, const std::string& caption, const Setup& setup) {
        std::optional<PanelRunner> panel;
        try {
            panel.emplace(library_, plugin, skin_, err_, "zuhost gallery");
        } catch (const PanelUnavailable&) {
            return;
        }
        setup(panel->session());
        const bool scope = firstPinWithField(plugin.guiPins, valueField) == nullptr;
        panel->start(scope ? std::optional<gmpi_gui::MpSize>({200, 150}) : std::nullopt, {160, 200});
        const auto picture = panel->picture();
        const std::string file = "pictures/" + std::to_string(sheet_.size()) + "_" + fileNameFor(plugin.id) + ".png";
        writePng(picture->surface(), folder_.file(file));
        const std::string fullCaption = plugin.id + ": " + caption;
        sheet_.add(*picture, fullCaption);
        html_ += "<figure><img src=\"" + file + "\"><figcaption>" + fullCaption + "</figcaption></figure>\n";
    }

    std::shared_ptr<const PluginLibrary> library_;
    std::filesystem::path skin_;
    OutputFolder folder_;
    std::ostream& err_;
    ContactSheet sheet_{sheetColumns};
    std::string html_;
};

}  // namespace

std::string_view GalleryCommand::summary() const {
    return "draws every panel in every appearance into a contact sheet (PNG) and an HTML page";
}

void GalleryCommand::declare(CLI::App& app) {
    addLibraryArgument(app, library_);
    declareSkinFolder(app, skin_);
    app.add_option("--out", out_, "where the pictures and the page go; an earlier run's files there are removed first")
        ->type_name("DIR")
        ->capture_default_str();
    app.final_callback([this] {
        description_ = loadDescription(library_);
        withinOption("--out", [&] { requireWritableDirectory(out_); });
    });
}

int GalleryCommand::run(std::ostream& out, std::ostream& err) {
    Gallery gallery(std::make_shared<const PluginLibrary>(PluginLibrary::open(library_)), skin_, out_, err);
    for (const PluginDescription& plugin : description_->plugins) gallery.addPlugin(plugin);
    gallery.write(out);
    return exitOk;
}

}  // namespace zuhost
