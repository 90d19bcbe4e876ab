#include "host/gui/GuiHost.h"

#include "framework/ComRef.h"
#include "host/gui/GraphicsHost.h"
#include "host/gui/HostFile.h"

namespace zuhost::gui {

GuiHost::GuiHost(std::filesystem::path skinFolder) : skin_(std::move(skinFolder)) {}

int32_t GuiHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out,
                             {{gmpi_gui::MP_IID_GRAPHICS_HOST, graphicsHost_},
                              {gmpi::MP_IID_UI_HOST2, this},
                              {gmpi::MP_IID_UI_HOST, this},
                              {gmpi::MP_IID_UNKNOWN, this}});
}

int32_t GuiHost::pinTransmit(int32_t pinId, int32_t size, const void* data, int32_t voice) {
    if (size < 0 || (size > 0 && data == nullptr)) return unexpected_.note();
    const auto* bytes = static_cast<const uint8_t*>(data);
    transmits_.push_back({pinId, voice, std::vector<uint8_t>(bytes, bytes + size)});
    return gmpi::MP_OK;
}

int32_t GuiHost::prepareResources() {
    ++prepareResourcesCalls_;
    return gmpi::MP_OK;
}

int32_t GuiHost::resolveResourceName(const char* shortName, const char* type, gmpi::IMpUnknown* fullName) {
    if (shortName == nullptr || type == nullptr || fullName == nullptr) return gmpi::MP_FAIL;
    ResourceLookup& lookup = lookups_.emplace_back(ResourceLookup{shortName, type, {}});
    const auto resolved = skin_.resolve(lookup.shortName, lookup.type);
    if (!resolved) return gmpi::MP_FAIL;

    const auto returnString = gmpi::ComRef<gmpi::IMpString>::query(fullName, gmpi::MP_IID_RETURNSTRING);
    if (!returnString) return gmpi::MP_FAIL;
    lookup.fullName = pathToUtf8(*resolved);
    returnString->setData(lookup.fullName.data(), static_cast<int32_t>(lookup.fullName.size()));
    return gmpi::MP_OK;
}

int32_t GuiHost::openResource(const char* fullName, void** object) {
    if (object == nullptr) return gmpi::MP_FAIL;
    *object = nullptr;
    if (fullName == nullptr) return gmpi::MP_FAIL;
    openedNames_.emplace_back(fullName);
    auto bytes = HostFile::readWhole(pathFromUtf8(fullName));
    if (!bytes) return gmpi::MP_FAIL;
    *object = (new HostFile(tally_, std::move(*bytes)))->handOut();
    return gmpi::MP_OK;
}

}  // namespace zuhost::gui
