#include "skin/FontCache.h"

#include <memory>

#include "gui/MpString.h"

namespace skin {

using gmpi::ComRef;

FontCache& FontCache::instance() {
    static FontCache cache;
    return cache;
}

void readSkinStyleSheet(gmpi::IMpUserInterfaceHost2& guiHost, FontStyleSheet& sheet) {
    gmpi_sdk::MpString fullName;
    if (guiHost.resolveResourceName("global", "ImageMeta", &fullName) != gmpi::MP_OK) return;
    ComRef<gmpi::IMpUnknown> opened;
    if (guiHost.openResource(fullName.getData(), opened.put()) != gmpi::MP_OK) return;
    if (ComRef<gmpi::IMpFile> file = opened.as<gmpi::IMpFile>(gmpi::MP_IID_FILE)) loadStyleSheet(sheet, file);
}

ComRef<gmpi_gui::IMpTextFormat> createTextFormat(gmpi_gui::IMpGraphicsHost& graphicsHost, const std::string& family,
                                                 int32_t weight, float size) {
    constexpr int32_t normalStyle = 0;
    constexpr int32_t normalStretch = 5;
    ComRef<gmpi_gui::IMpTextFormat> format;
    if (graphicsHost.createTextFormat(family.c_str(), nullptr, weight, normalStyle, normalStretch, size, nullptr,
                                      format.put()) != gmpi::MP_OK)
        format.reset();
    return format;
}

ComRef<gmpi_gui::IMpTextFormat> FontCache::getTextFormat(gmpi::IMpUserInterfaceHost2* guiHost,
                                                         gmpi_gui::IMpGraphicsHost* graphicsHost,
                                                         const std::string& name, const FontMetadata*& style) {
    style = find(name);
    if (style == nullptr) {
        FontStyleSheet sheet;
        if (guiHost != nullptr) readSkinStyleSheet(*guiHost, sheet);
        style = insert(name, std::make_shared<FontMetadata>(findStyle(sheet, name)));
    }
    if (graphicsHost == nullptr) return {};
    return createTextFormat(*graphicsHost, style->family(), style->weight(), static_cast<float>(style->fontSize));
}

}  // namespace skin
