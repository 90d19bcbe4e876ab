#include <functional>
#include <string>

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "host/audio/Runner.h"
#include "host/description/PluginLibrary.h"
#include "host/description/TextEncoding.h"
#include "host/run/CallCounting.h"
#include "host/validate/Checks.h"
#include "host/validate/DirectProcessor.h"
#include "host/validate/ProcessorDrive.h"

namespace zuhost {

namespace {

constexpr int32_t referenceBlockSize = 64;
constexpr int32_t referenceBlocks = 16;
constexpr AudioConfig referenceConfig{44100.0f, referenceBlockSize};

struct Part {
    gmpi::MpGuid iid;
    const char* name;
};
constexpr Part partCount[] = {
    {gmpi::MP_IID_PLUGIN2, "IMpPlugin2"}, {gmpi::MP_IID_PLUGIN, "IMpPlugin"}, {gmpi::MP_IID_UNKNOWN, "IMpUnknown"}};

// A part handed out by a query carries a reference of its own, which its
// release gives back without destroying the object the caller still holds.
void requireQueriesCounted(gmpi::IMpUnknown& object, const char* what) {
    for (const Part& part : partCount) {
        void* out = nullptr;
        if (object.queryInterface(part.iid, &out) != gmpi::MP_OK || out == nullptr) continue;
        auto* answered = static_cast<gmpi::IMpUnknown*>(out);
        const int32_t added = answered->addRef();
        const int32_t afterRelease = answered->release();
        const int32_t afterQuery = answered->release();
        if (afterRelease != added - 1 || afterQuery != afterRelease - 1 || afterQuery < 1)
            fail(std::string("the ") + what + "'s counts went " + std::to_string(added) + ", " +
                 std::to_string(afterRelease) + ", " + std::to_string(afterQuery) +
                 " for addRef, release, release on its " + part.name +
                 " part while the caller held one reference and the query another");
    }
    void* out = reinterpret_cast<void*>(uintptr_t{1});
    if (object.queryInterface(gmpi::MP_IID_FACTORY, &out) != gmpi::MP_NOSUPPORT || out != nullptr)
        fail(std::string("the ") + what + " answers a query for IMpFactory; expected -2 and null");
}

// The release that gives up the last reference answers 0 and frees the object.
void requireDestroyedBy(const std::function<int32_t()>& lastRelease, const char* what) {
    CallCounts counts;
    int32_t result;
    {
        CountingScope scope(counts);
        result = lastRelease();
    }
    if (result != 0)
        fail(std::string("the last release of the ") + what + " answered " + std::to_string(result) + "; expected 0");
    if (counts.deallocations == 0)
        fail(std::string("the last release of the ") + what + " freed no memory: it was not destroyed");
}

void requireHostReleased(const AudioHost& host, const std::string& how) {
    if (host.overReleased()) fail("the processor " + how + " released the host more often than it referenced it");
    if (host.outstandingReferences() != 0)
        fail("the processor " + how + " still held " + std::to_string(host.outstandingReferences()) +
             " references on the host after its last release");
}

void runBlocks(DirectProcessor& processor) {
    EventList events;
    events.addGraphStart(0);
    processor.process(referenceBlockSize, events.first());
    for (int32_t block = 1; block < referenceBlocks; ++block) processor.process(referenceBlockSize, nullptr);
}

void checkDirectlyCreated(const PluginLibrary& library, const PluginDescription& plugin) {
    AudioHost host;
    {
        DirectProcessor processor(library, plugin, host, referenceBlockSize);
        requireQueriesCounted(processor.object(), "processor");
        processor.setBuffers();
        if (const int32_t result = processor.open(); result != gmpi::MP_OK)
            fail("open answered " + std::to_string(result));
        processor.setBuffers();
        runBlocks(processor);
        requireDestroyedBy([&] { return processor.release(); }, "processor");
    }
    requireHostReleased(host, "made by createInstance");
}

void checkRunnerCreated(const PluginLibrary& library, const PluginDescription& plugin) {
    Runner runner(audioPinInfos(plugin), runnerSettings(referenceConfig));
    openOrFail(runner, processorCreator(library, plugin.id));
    runner.run(referenceBlockSize * referenceBlocks);
    runner.close();
    requireHostReleased(runner.host(0), "given its host through setHost");
}

void checkPanel(const PluginLibrary& library, const PluginDescription& plugin) {
    const std::u16string id = utf8ToUtf16(plugin.id);
    void* created = nullptr;
    if (library.factory().createInstance2(id.c_str(), gmpi::MP_SUB_TYPE_GUI, &created) != gmpi::MP_OK || !created)
        return;
    auto panel = gmpi::ComRef<gmpi::IMpUnknown>::adopt(static_cast<gmpi::IMpUnknown*>(created));
    requireQueriesCounted(*panel, "panel");
    requireDestroyedBy([&] { return panel.reset(); }, "panel");
}

}  // namespace

Verdict checkReferenceCounting(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    checkDirectlyCreated(library, *context.plugin);
    checkRunnerCreated(library, *context.plugin);
    if (context.options.audioOnly) return passed();
    checkPanel(library, *context.plugin);
    return passed();
}

}  // namespace zuhost
