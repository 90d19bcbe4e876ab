// The one place that compiles stb_image, so no stb library is linked.
#include <memory>

#include "host/gui/BgraImage.h"
#include "host/gui/HostFile.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#include <stb_image.h>

namespace zuhost::gui {

std::optional<BgraImage> decodeImageFile(const std::filesystem::path& path) {
    const auto bytes = HostFile::readWhole(path);
    if (!bytes || bytes->empty() || bytes->size() > static_cast<size_t>(INT32_MAX)) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes->data()), static_cast<int>(bytes->size()), &width,
                              &height, &channels, 4),
        stbi_image_free);
    if (!rgba || width <= 0 || height <= 0) return std::nullopt;

    BgraImage image{width, height, std::vector<uint8_t>(rgba.get(), rgba.get() + size_t(width) * size_t(height) * 4)};
    for (size_t i = 0; i < image.pixels.size(); i += 4) std::swap(image.pixels[i], image.pixels[i + 2]);
    return image;
}

}  // namespace zuhost::gui
