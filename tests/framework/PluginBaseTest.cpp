#include <gtest/gtest.h>

#include "framework/AudioPins.h"
#include "framework/MpBase.h"
#include "framework/MpControlPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "tests/framework/EngineTestSupport.h"

namespace {

using namespace gmpi;

class Plugin : public MpBase2 {
public:
    explicit Plugin(bool* destroyed = nullptr) : destroyed_(destroyed) {
        registerPin(value);
        registerPin(input);
    }
    ~Plugin() override {
        if (destroyed_ != nullptr) *destroyed_ = true;
    }
    using MpBase2::registerPin;
    void countEvent(MpPinBase& pin) { handled += pin.getId(); }

    IntInPin value;
    AudioInPin input;
    int handled = 0;

private:
    bool* destroyed_;
};

// A host object that offers no audio services.
class NotAnAudioHost : public IMpUnknown {
public:
    int32_t queryInterface(const MpGuid&, void** out) override {
        *out = nullptr;
        return MP_NOSUPPORT;
    }
    int32_t addRef() override { return 1; }
    int32_t release() override { return 1; }
};

TEST(PluginBaseTest, AnswersEachInterfaceWithItsPartAndSharesOneReferenceCount) {
    bool destroyed = false;
    zuhost::AudioHost host;
    auto* plugin = new Plugin(&destroyed);
    ASSERT_EQ(plugin->setHost(&host), MP_OK);

    void* second = nullptr;
    void* first = nullptr;
    void* unknown = nullptr;
    EXPECT_EQ(plugin->queryInterface(MP_IID_PLUGIN2, &second), MP_OK);
    EXPECT_EQ(plugin->queryInterface(MP_IID_PLUGIN, &first), MP_OK);
    EXPECT_EQ(plugin->queryInterface(MP_IID_UNKNOWN, &unknown), MP_OK);
    EXPECT_EQ(second, static_cast<IMpPlugin2*>(plugin));
    EXPECT_EQ(first, static_cast<IMpPlugin*>(plugin));
    EXPECT_EQ(unknown, first);
    void* none = plugin;
    EXPECT_EQ(plugin->queryInterface(MP_IID_AUDIO_HOST, &none), MP_NOSUPPORT);
    EXPECT_EQ(none, nullptr);

    EXPECT_EQ(static_cast<IMpPlugin2*>(second)->release(), 3);
    EXPECT_EQ(static_cast<IMpPlugin*>(first)->release(), 2);
    EXPECT_EQ(static_cast<IMpUnknown*>(unknown)->release(), 1);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(static_cast<IMpPlugin2*>(plugin)->release(), 0);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(host.outstandingReferences(), 0);
}

TEST(PluginBaseTest, HostWithoutAudioServicesIsRefusedAndNeverCalled) {
    NotAnAudioHost host;
    Plugin plugin;
    EXPECT_EQ(static_cast<IoldSchoolInitialisation&>(plugin).setHost(&host), MP_NOSUPPORT);
    EXPECT_EQ(plugin.getHost(), nullptr);
    zuhost::EventList events;
    events.addGraphStart(0);
    EXPECT_EQ(plugin.process(64, events.first()), MP_OK);
    EXPECT_EQ(static_cast<IMpPlugin&>(plugin).spareCall(1, 2, nullptr), MP_OK);
}

TEST(PluginBaseTest, PinsTakeTheNextFreeIndexAndATakenIndexKeepsItsFirstPin) {
    Plugin plugin;
    float samples[4] = {};
    EXPECT_EQ(plugin.setBuffer(1, samples), MP_OK);
    EXPECT_EQ(plugin.input.getBuffer(), samples);
    EXPECT_EQ(plugin.setBuffer(2, samples), MP_FAIL);

    IntInPin later;
    IntInPin clash;
    IntInPin next;
    plugin.registerPin(later, 5);
    plugin.registerPin(clash, 5);
    plugin.registerPin(next);
    EXPECT_EQ(later.getId(), 5);
    EXPECT_EQ(clash.getId(), -1);
    EXPECT_EQ(clash.getPlugin(), nullptr);
    EXPECT_EQ(next.getId(), 6);
}

TEST(PluginBaseTest, HandlerGivenAtRegistrationRunsWhenAnEventReachesThePin) {
    Plugin plugin;
    IntInPin handled;
    plugin.registerPin(handled, 4, static_cast<MpPinHandler>(&Plugin::countEvent));
    zuhost::EventList events;
    enginetest::addValue(events, 0, 4, 1);
    enginetest::addValue(events, 0, 0, 1);
    plugin.process(8, events.first());
    EXPECT_EQ(plugin.handled, 4);
}

}  // namespace
