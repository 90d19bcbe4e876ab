// The substitute host's GUI services as one panel sees them (both
// generations of the GUI host interface): it records every value the panel
// sends and serves skin resources from a SkinFolder.
//
// Contract: a service object (see HostObject.h) owned by whoever made it,
// usually a PanelSession. It answers IMpUnknown and both GUI host identifiers
// with itself, and the graphics host identifier with the GraphicsHost given
// to offerGraphicsHost, if any. Files handed out by openResource are counted
// in objects(). Reserved slots answer -1 and count as unexpected calls.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/audio/UnexpectedCalls.h"
#include "host/gui/HostObject.h"
#include "host/gui/SkinFolder.h"

namespace zuhost::gui {

class GraphicsHost;

struct PinTransmit {
    int32_t pinId;
    int32_t voice;
    std::vector<uint8_t> bytes;
};

struct ResourceLookup {
    std::string shortName;
    std::string type;
    std::string fullName;  // empty when nothing was found
};

class GuiHost final : public gmpi::IMpUserInterfaceHost2 {
public:
    explicit GuiHost(std::filesystem::path skinFolder);
    GuiHost(const GuiHost&) = delete;
    GuiHost& operator=(const GuiHost&) = delete;

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t pinTransmit(int32_t pinId, int32_t size, const void* data, int32_t voice) override;
    int32_t reserved4() override { return unexpected_.note(); }
    int32_t reserved5() override { return unexpected_.note(); }
    int32_t reserved6() override { return unexpected_.note(); }
    int32_t prepareResources() override;
    int32_t resolveResourceName(const char* shortName, const char* type, gmpi::IMpUnknown* fullName) override;
    int32_t openResource(const char* fullName, void** object) override;

    // The graphics host answered for its identifier; null offers none.
    void offerGraphicsHost(GraphicsHost* graphicsHost) { graphicsHost_ = graphicsHost; }

    const std::vector<PinTransmit>& transmits() const { return transmits_; }
    // A host that has handled what was sent lets go of it, so a long run does not grow.
    void forgetTransmits() { transmits_.clear(); }
    const std::vector<ResourceLookup>& lookups() const { return lookups_; }
    const std::vector<std::string>& openedNames() const { return openedNames_; }  // every full name asked for
    int32_t prepareResourcesCalls() const { return prepareResourcesCalls_; }
    int32_t unexpectedCalls() const { return unexpected_.count(); }
    const SkinFolder& skin() const { return skin_; }
    const gmpi::ServiceReferences& references() const { return references_; }
    const ObjectTally& objects() const { return *tally_; }

private:
    SkinFolder skin_;
    GraphicsHost* graphicsHost_ = nullptr;
    gmpi::ServiceReferences references_;
    std::shared_ptr<ObjectTally> tally_ = std::make_shared<ObjectTally>();
    std::vector<PinTransmit> transmits_;
    std::vector<ResourceLookup> lookups_;
    std::vector<std::string> openedNames_;
    int32_t prepareResourcesCalls_ = 0;
    UnexpectedCalls unexpected_;
};

}  // namespace zuhost::gui
