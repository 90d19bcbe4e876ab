#include "host/play/Player.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "framework/MpInterfaces.h"
#include "host/gui/VirtualPlatform.h"
#include "host/run/PanelPinText.h"
#include "host/play/AudioDevice.h"
#include "host/play/AudioEngine.h"
#include "host/play/AudioGraph.h"
#include "host/play/LivePanels.h"
#include "host/play/ModalPopups.h"
#include "host/play/PlayStats.h"
#include "host/play/PlayWindow.h"
#include "host/play/RealTimeTimers.h"
#include "host/play/SessionRecorder.h"
#include "host/play/SkinWatcher.h"
#include "host/play/WindowMemory.h"
#include "host/play/WindowChrome.h"
#include "host/play/WindowLayout.h"

namespace zuhost::play {

// SDL's video for the run's length. Outside the anonymous namespace: a
// member of Player::Run, which the unity build compiles as if in a header.
class SdlVideo {
public:
    SdlVideo() {
        // The window's pixels live in memory Cairo draws into; a GPU would only copy them.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            throw std::runtime_error(std::string("no display (") + SDL_GetError() +
                                     "): run under xvfb-run, or with SDL_VIDEODRIVER=offscreen");
    }
    ~SdlVideo() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;
};

namespace {

constexpr int64_t frameNs = 1'000'000'000 / 60;
constexpr int64_t statusEveryNs = 250'000'000;
constexpr int64_t memoryEveryNs = 1'000'000'000;
constexpr int32_t shiftKey = 0x10, controlKey = 0x11, altKey = 0x12;

enum class Pointer { Down, Move, Up };
constexpr const char* pointerVerbs[] = {"down", "move", "up"};

// The modifier keys held now, as the library asks for them and as scripts write them.
uint32_t heldModifiers() {
    const SDL_Keymod keys = SDL_GetModState();
    uint32_t modifiers = gui::NoModifier;
    if (keys & KMOD_SHIFT) modifiers |= gui::ShiftKey;
    if (keys & KMOD_CTRL) modifiers |= gui::ControlKey;
    if (keys & KMOD_ALT) modifiers |= gui::AltKey;
    return modifiers;
}

void pressModifierKeys(uint32_t modifiers) {
    gui::VirtualPlatform& platform = gui::VirtualPlatform::instance();
    platform.setKeyDown(shiftKey, (modifiers & gui::ShiftKey) != 0);
    platform.setKeyDown(controlKey, (modifiers & gui::ControlKey) != 0);
    platform.setKeyDown(altKey, (modifiers & gui::AltKey) != 0);
}

std::string decibels(float amplitude) {
    char text[32];
    if (amplitude < 1e-6f) return "-inf dB";
    std::snprintf(text, sizeof text, "%.1f dB", 20.0 * std::log10(amplitude));
    return text;
}

}  // namespace

class Player::Run {
public:
    Run(const PlayArguments& arguments, const PatchPlan& plan, const std::vector<SessionAction>& script)
        : arguments_(arguments),
          plan_(plan),
          script_(script),
          library_(std::make_shared<const PluginLibrary>(PluginLibrary::open(arguments.library))),
          panels_(library_, plan, connections_, panelWarnings_),
          stats_(arguments.sampleRate, arguments.blockSize) {}

    int run(std::ostream& out, std::ostream& err) {
        out_ = &out;
        buildAudio();
        if (arguments_.record) startRecording();
        skinInUse_ = arguments_.skin;
        if (arguments_.watchSkin) {
            skinWatcher_ = std::make_unique<SkinWatcher>(arguments_.skin);
            skinInUse_ = skinWatcher_->takeCopy();
        }
        panels_.open(skinInUse_, recorder_.get());
        mainPanel_ = panels_.main();
        openWindow();
        DeviceSettings settings{arguments_.audioDriver, arguments_.audioOut.value_or(""), arguments_.sampleRate,
                                arguments_.blockSize};
        if (arguments_.audioOut && settings.driver.empty()) settings.driver = "disk";
        device_ = std::make_unique<AudioDevice>(settings, *engine_);
        stats_.deviceOpened(device_->bufferFrames());
        device_->start();
        out << "playing " << plan_.patch.name << " (audio: " << device_->driver() << ", " << device_->bufferFrames()
            << "-frame buffer; video: " << SDL_GetCurrentVideoDriver() << "); close the window to stop" << std::endl;
        loop();
        const DeviceFacts facts{device_->driver(), SDL_GetCurrentVideoDriver(), device_->bufferFrames()};
        device_.reset();
        return finish(facts, out, err);
    }

private:
    void buildAudio() {
        graph_ = std::make_unique<AudioGraph>(plan_, *library_, arguments_.sampleRate, arguments_.blockSize);
        EngineSettings settings{arguments_.sampleRate, arguments_.blockSize, arguments_.record.has_value()};
        engine_ = std::make_unique<AudioEngine>(*graph_, plan_, settings);
        connections_.resize(plan_.patch.nodes.size());
        for (size_t node = 0; node < plan_.plugins.size(); ++node) {
            if (plan_.plugins[node] == nullptr) continue;
            connections_[node] =
                std::make_unique<PanelConnection>(*plan_.plugins[node], static_cast<int32_t>(node),
                                                  plan_.patch.nodes[node].voices, engine_->toProcessors());
        }
    }

    void startRecording() {
        recorder_ = std::make_unique<SessionRecorder>(*arguments_.record, arguments_.sampleRate);
        if (plan_.mainPanel < 0) return;
        connections_[static_cast<size_t>(plan_.mainPanel)]->observe([this](std::string_view direction,
                                                                           const PinDescription& pin, int32_t voice,
                                                                           std::span<const uint8_t> bytes) {
            recorder_->crossing(secondsNow(), direction, pin, voice, bytes);
        });
    }

    double secondsNow() const { return startNs_ == 0 ? 0.0 : static_cast<double>(steadyNowNs() - startNs_) / 1e9; }

    void reloadSkinIfChanged() {
        if (!skinWatcher_ || !skinWatcher_->changed(std::chrono::steady_clock::now())) return;
        const std::filesystem::path candidate = skinWatcher_->takeCopy();
        const std::set<std::string> worse = panels_.remake(candidate);
        captured_ = pressed_ = -1;
        if (worse.empty()) {
            skinWatcher_->dropCopy(skinInUse_);
            skinInUse_ = candidate;
            warning_.clear();
            *out_ << "skin reloaded from " << skinWatcher_->folder().string() << std::endl;
        } else {
            panels_.remake(skinInUse_);
            skinWatcher_->dropCopy(candidate);
            warning_ = "skin not reloaded: " + *worse.begin() + (worse.size() > 1 ? " (and more)" : "");
            *out_ << warning_ << std::endl;
        }
        fitWindow();
    }

    WindowLayout layOut(gmpi_gui::MpSize window = {0, 0}) const {
        std::vector<gmpi_gui::MpSize> sizes;
        std::vector<float> titles;
        for (size_t i = 0; i < panels_.size(); ++i) {
            sizes.push_back(panels_[i].size());
            titles.push_back(titleWidth(panels_[i].title()));
        }
        return layOutWindow(sizes, titles, window);
    }

    void openWindow() {
        layout_ = layOut();
        window_ = std::make_unique<PlayWindow>(plan_.patch.name + " - zuhost play", layout_.size, arguments_.scale,
                                               windowMemory_.recall(arguments_.windowKey));
        layout_ = layOut(window_->size());
        redrawAll_ = true;
        popups_ = std::make_unique<ModalPopups>(
            *window_, [this] { return keepRunning(steadyNowNs()); }, screenshotPath());
        panels_.answerLiveWith(popups_.get());
    }

    // What goes on whatever the user is doing, a popup's wait included;
    // answers whether the run goes on.
    bool keepRunning(int64_t nowNs) {
        timers_->runDue();
        stats_.collect(*engine_, nowNs);
        if (recorder_) recorder_->hear(engine_->heard());
        return !quit_ && nowNs < endNs_;
    }

    std::filesystem::path screenshotPath() const { return arguments_.screenshot.value_or("zuhost-play.png"); }

    void loop() {
        startNs_ = steadyNowNs();
        timers_ = std::make_unique<RealTimeTimers>(steadyNowNs);
        endNs_ = arguments_.duration ? startNs_ + durationNs() : INT64_MAX;
        int64_t nextFrameNs = startNs_;
        while (!quit_) {
            int64_t nowNs = steadyNowNs();
            if (nowNs >= endNs_) break;
            waitForEvents(std::min({nextFrameNs, endNs_, nextScriptedNs(), nextTickNs(nowNs)}) - nowNs);
            nowNs = steadyNowNs();
            keepRunning(nowNs);
            playScript(nowNs);
            reloadSkinIfChanged();
            if (nowNs >= nextFrameNs) {
                frame(nowNs);
                nextFrameNs = std::max(nextFrameNs + frameNs, nowNs);
            }
        }
    }

    int64_t durationNs() const {
        return static_cast<int64_t>(static_cast<double>(arguments_.duration->samplesAt(arguments_.sampleRate)) * 1e9 /
                                    arguments_.sampleRate);
    }

    int64_t nextTickNs(int64_t nowNs) const {
        const int64_t toTick = timers_->nanosecondsToNextTick();
        return toTick < 0 ? INT64_MAX : nowNs + toTick;
    }

    int64_t scriptedNs(const SessionAction& action) const {
        return startNs_ + static_cast<int64_t>(static_cast<double>(action.time) * 1e9 / arguments_.sampleRate);
    }

    int64_t nextScriptedNs() const {
        return nextAction_ < script_.size() ? scriptedNs(script_[nextAction_]) : INT64_MAX;
    }

    void waitForEvents(int64_t waitNs) {
        SDL_Event event;
        const auto waitMs = static_cast<int>(std::clamp<int64_t>((waitNs + 999'999) / 1'000'000, 0, 1000));
        if (!(waitMs > 0 ? SDL_WaitEventTimeout(&event, waitMs) : SDL_PollEvent(&event))) return;
        do handle(event);
        while (SDL_PollEvent(&event));
    }

    void handle(const SDL_Event& event) {
        switch (event.type) {
            case SDL_QUIT: quit_ = true; break;
            case SDL_MOUSEBUTTONDOWN:
                if (event.button.button == SDL_BUTTON_LEFT) pointer(Pointer::Down, event.button.x, event.button.y);
                break;
            case SDL_MOUSEBUTTONUP:
                if (event.button.button == SDL_BUTTON_LEFT) pointer(Pointer::Up, event.button.x, event.button.y);
                break;
            case SDL_MOUSEMOTION: pointer(Pointer::Move, event.motion.x, event.motion.y); break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                pressModifierKeys(heldModifiers());
                if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F12) screenshot();
                break;
            case SDL_WINDOWEVENT: windowEvent(event.window); break;
            case SDL_AUDIODEVICEREMOVED:
                if (!event.adevice.iscapture && device_ && event.adevice.which == device_->id()) {
                    warning_ = "the sound device went away";
                    deviceLost_ = quit_ = true;
                }
                break;
            default: break;
        }
    }

    void windowEvent(const SDL_WindowEvent& event) {
        if (event.windowID != window_->id()) return;
        if (event.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            window_->sizeChanged();
            layout_ = layOut(window_->size());
            redrawAll_ = true;
        } else if (event.event == SDL_WINDOWEVENT_EXPOSED) {
            redrawAll_ = true;
        }
    }

    // The panel a pointer event goes to: the one holding the capture, the one
    // pressed for an up, the one under the pointer otherwise.
    int32_t targetOf(Pointer kind, gmpi_gui::MpPoint at) const {
        if (captured_ >= 0) return captured_;
        if (kind == Pointer::Up) return pressed_;
        return layout_.panelAt(at);
    }

    void pointer(Pointer kind, int32_t x, int32_t y) {
        const gmpi_gui::MpPoint at{static_cast<float>(x) / window_->scale(), static_cast<float>(y) / window_->scale()};
        const int32_t target = targetOf(kind, at);
        if (kind == Pointer::Down) pressed_ = target;
        if (target < 0) return;
        const gmpi_gui::MpRect& place = layout_.places[static_cast<size_t>(target)].panel;
        const uint32_t modifiers = heldModifiers();
        pressModifierKeys(modifiers);
        const gmpi_gui::MpPoint local{at.x - place.left, at.y - place.top};
        const bool gesture = kind != Pointer::Move || pressed_ >= 0;
        send(target, kind, local, gui::NoModifier, steadyNowNs());
        if (gesture) record(target, kind, local, modifiers);
        if (kind == Pointer::Up) pressed_ = -1;
    }

    // A pointer call to a panel, with the keys held only for it (scripted) or already down (real).
    void send(int32_t target, Pointer kind, gmpi_gui::MpPoint point, uint32_t modifiers, int64_t stampNs) {
        LivePanel& panel = panels_[static_cast<size_t>(target)];
        gui::PanelSession& session = panel.session();
        const gmpi_gui::MpRect& place = layout_.places[static_cast<size_t>(target)].panel;
        popups_->setOrigin({place.left, place.top});
        const int64_t popupsBefore = popups_->shown();
        if (kind == Pointer::Down)
            session.pointerDown(point, modifiers);
        else if (kind == Pointer::Move)
            session.pointerMove(point, modifiers);
        else
            session.pointerUp(point, modifiers);
        captured_ = session.graphicsHost().captured() ? target : -1;
        SDL_CaptureMouse(captured_ >= 0 ? SDL_TRUE : SDL_FALSE);
        panel.connection().fromPanel(stampNs);
        if (popups_->shown() != popupsBefore) redrawAll_ = true;
        if (popups_->quitAsked()) quit_ = true;
    }

    void record(int32_t target, Pointer kind, gmpi_gui::MpPoint point, uint32_t modifiers) {
        if (!recorder_) return;
        const char* verb = pointerVerbs[static_cast<int>(kind)];
        if (target == mainPanel_) {
            recorder_->pointer(secondsNow(), verb, point, modifiers,
                               panels_[static_cast<size_t>(target)].session().script());
        } else {
            recorder_->comment(secondsNow(), panels_[static_cast<size_t>(target)].title() + ": " + verb + " " +
                                                 std::to_string(point.x) + "," + std::to_string(point.y));
        }
    }

    void playScript(int64_t nowNs) {
        for (; nextAction_ < script_.size() && scriptedNs(script_[nextAction_]) <= nowNs; ++nextAction_)
            apply(script_[nextAction_], nowNs);
    }

    void apply(const SessionAction& action, int64_t nowNs) {
        LivePanel& panel = panels_[static_cast<size_t>(mainPanel_)];
        switch (action.kind) {
            case SessionAction::Kind::Pin: {
                panel.connection().hostSets(action.value, nowNs);
                if (recorder_) recorder_->pin(secondsNow(), action.name, action.text);
                break;
            }
            case SessionAction::Kind::Down: scripted(Pointer::Down, action, nowNs); break;
            case SessionAction::Kind::Move: scripted(Pointer::Move, action, nowNs); break;
            case SessionAction::Kind::Up: scripted(Pointer::Up, action, nowNs); break;
            case SessionAction::Kind::Type: panel.session().script().typeText(action.text); break;
            case SessionAction::Kind::Choose: panel.session().script().chooseMenuItem(action.choice); break;
        }
    }

    void scripted(Pointer kind, const SessionAction& action, int64_t nowNs) {
        send(mainPanel_, kind, action.point, action.modifiers, nowNs);
        record(mainPanel_, kind, action.point, action.modifiers);
    }

    void deliverToPanels() {
        engine_->toPanels().receive([this](const Crossing& crossing, std::span<const uint8_t> bytes) {
            if (PanelConnection* connection = connections_[static_cast<size_t>(crossing.node)].get())
                connection->fromProcessor(crossing, bytes);
        });
    }

    void measureAgain() {
        bool changed = false;
        for (size_t i = 0; i < panels_.size(); ++i) changed |= panels_[i].layOutIfAsked();
        if (changed) fitWindow();
    }

    // Lays the window out again, growing it to hold what it must.
    void fitWindow() {
        layout_ = layOut(window_->size());
        const gmpi_gui::MpSize window = window_->size();
        if (layout_.size.width > window.width || layout_.size.height > window.height) {
            window_->resize({std::max(layout_.size.width, window.width), std::max(layout_.size.height, window.height)});
            layout_ = layOut(window_->size());
        }
        redrawAll_ = true;
    }

    void frame(int64_t nowNs) {
        deliverToPanels();
        for (size_t i = 0; i < panels_.size(); ++i) panels_[i].connection().fromPanel(nowNs);
        measureAgain();
        const int64_t drawStartNs = steadyNowNs();
        bool drawn = draw(nowNs);
        if (!drawn) return;
        window_->present();
        stats_.frameDrawn(static_cast<double>(steadyNowNs() - drawStartNs) / 1e6);
        if (nowNs - memorySampledNs_ >= memoryEveryNs) {
            stats_.sampleMemory();
            memorySampledNs_ = nowNs;
        }
    }

    bool draw(int64_t nowNs) {
        const bool all = std::exchange(redrawAll_, false);
        const double scale = window_->scale();
        bool drawn = all;
        if (all) {
            drawBackground(window_->pixels(), scale);
            for (size_t i = 0; i < panels_.size(); ++i)
                drawTitle(window_->pixels(), scale, layout_.places[i].title, panels_[i].title());
        }
        for (size_t i = 0; i < panels_.size(); ++i) {
            if (!panels_[i].takeRedrawRequest() && !all) continue;
            panels_[i].draw(*window_, layout_.places[i].panel);
            drawn = true;
        }
        if (all || nowNs - statusDrawnNs_ >= statusEveryNs) {
            drawStatus(window_->pixels(), scale, layout_.status, stats_.statusLine(*engine_, meterText()), warning_);
            statusDrawnNs_ = nowNs;
            drawn = true;
        }
        return drawn;
    }

    std::string meterText() const {
        std::string text;
        for (const auto& [id, meter] : graph_->meters()) text += id + " " + decibels(meter->rms()) + "  ";
        return text;
    }

    void screenshot() {
        const std::filesystem::path path = screenshotPath();
        redrawAll_ = true;
        draw(steadyNowNs());
        window_->present();
        if (!window_->writePng(path)) warning_ = "cannot write " + path.string();
    }

    int finish(const DeviceFacts& facts, std::ostream& out, std::ostream& err) {
        const double seconds = static_cast<double>(steadyNowNs() - startNs_) / 1e9;
        stats_.collect(*engine_, steadyNowNs());
        stats_.sampleMemory();
        deliverToPanels();
        out << "played for " << seconds << " s\n";
        for (size_t i = 0; i < panels_.size(); ++i) {
            const gmpi_gui::MpRect& r = layout_.places[i].panel;
            out << "panel \"" << panels_[i].title() << "\" at " << r.left << "," << r.top << " size "
                << r.right - r.left << "x" << r.bottom - r.top << "\n";
        }
        out << stats_.statusLine(*engine_, meterText()) << "\n";
        int status = EXIT_SUCCESS;
        if (recorder_) {
            recorder_->hear(engine_->heard());
            for (const auto& file : recorder_->files()) out << "wrote " << file.string() << "\n";
            recorder_.reset();
        }
        if (arguments_.screenshot) {
            screenshot();
            out << "wrote " << arguments_.screenshot->string() << "\n";
        }
        if (arguments_.stats) {
            std::ofstream file(*arguments_.stats);
            file << stats_.toJson(*engine_, facts, seconds).dump(2) << "\n";
            if (!file) status = EXIT_FAILURE;
            out << "wrote " << arguments_.stats->string() << "\n";
        }
        if (!warning_.empty()) err << "zuhost play: " << warning_ << "\n";
        if (deviceLost_) status = EXIT_FAILURE;
        windowMemory_.remember(arguments_.windowKey, window_->place());
        panels_.release();
        err << panelWarnings_.str();
        return status;
    }

    SdlVideo video_;  // first: outlives the window
    const PlayArguments& arguments_;
    const PatchPlan& plan_;
    const std::vector<SessionAction>& script_;
    std::shared_ptr<const PluginLibrary> library_;
    std::unique_ptr<AudioGraph> graph_;
    std::unique_ptr<AudioEngine> engine_;
    std::vector<std::unique_ptr<PanelConnection>> connections_;  // by node; null for host nodes
    std::ostringstream panelWarnings_;
    LivePanels panels_;
    std::unique_ptr<PlayWindow> window_;
    std::unique_ptr<AudioDevice> device_;
    std::unique_ptr<RealTimeTimers> timers_;
    std::unique_ptr<ModalPopups> popups_;
    std::unique_ptr<SessionRecorder> recorder_;
    std::unique_ptr<SkinWatcher> skinWatcher_;
    std::filesystem::path skinInUse_;
    std::set<std::string> skinFailures_;  // what the first skin could not load
    WindowMemory windowMemory_;
    std::ostream* out_ = nullptr;
    PlayStats stats_;
    WindowLayout layout_;
    int32_t mainPanel_ = -1;
    int32_t captured_ = -1;
    int32_t pressed_ = -1;
    size_t nextAction_ = 0;
    int64_t startNs_ = 0;
    int64_t endNs_ = INT64_MAX;
    int64_t statusDrawnNs_ = 0;
    int64_t memorySampledNs_ = 0;
    bool redrawAll_ = true;
    bool quit_ = false;
    bool deviceLost_ = false;  // the run ended because the sound device failed
    std::string warning_;
};

Player::Player(const PlayArguments& arguments, PatchPlan plan, std::vector<SessionAction> script)
    : arguments_(arguments), plan_(std::move(plan)), script_(std::move(script)) {}

Player::~Player() = default;

int Player::run(std::ostream& out, std::ostream& err) {
    Run run(arguments_, plan_, script_);
    return run.run(out, err);
}

}  // namespace zuhost::play
