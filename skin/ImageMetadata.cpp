#include "skin/ImageMetadata.h"

#include <string>
#include <vector>

#include "skin/SkinText.h"

namespace skin {

namespace {

using Tokens = std::vector<std::string>;

float number(const std::string& token) { return static_cast<float>(decimalPrefix(token)); }

void applyMode(ImageMetadata& record, const std::string& value) {
    if (value == "slider")
        record.mode = ImageMetadata::slider;
    else if (value == "knob" || value == "animated")
        record.mode = ImageMetadata::animated;
    else if (value == "button")
        record.mode = ImageMetadata::button;
    else if (value == "bargraph")
        record.mode = ImageMetadata::barGraph;
}

// Chosen by the first byte alone: vertical/true, horizontal/false, click, rotary, stepped.
void applyOrientation(ImageMetadata& record, const std::string& value) {
    if (value.empty()) return;
    switch (value[0]) {
        case 'v':
        case 't': record.orientation = ImageMetadata::vertical; break;
        case 'h':
        case 'f': record.orientation = ImageMetadata::horizontal; break;
        case 'c': record.orientation = ImageMetadata::click; break;
        case 'r': record.orientation = ImageMetadata::rotary; break;
        case 's': record.orientation = ImageMetadata::stepped; break;
        default: break;
    }
}

struct Key {
    const char* name;
    size_t valuesUsed;
    void (*apply)(ImageMetadata&, const Tokens&);
};

void applyHandleRange(ImageMetadata& r, const Tokens& t) {
    r.handleRangeStart = number(t[1]);
    r.handleRangeEnd = number(t[2]);
}
void applyOrientationKey(ImageMetadata& r, const Tokens& t) { applyOrientation(r, t[1]); }
void applyLineEndLength(ImageMetadata& r, const Tokens& t) { r.lineEndLength = number(t[1]); }

const Key keys[] = {
    {"type", 1, [](ImageMetadata& r, const Tokens& t) { applyMode(r, t[1]); }},
    {"frame_size", 2,
     [](ImageMetadata& r, const Tokens& t) {
         r.frameSize = {number(t[1]), number(t[2])};
     }},
    {"padding", 4,
     [](ImageMetadata& r, const Tokens& t) {
         r.paddingTop = number(t[1]);
         r.paddingBottom = number(t[2]);
         r.paddingLeft = number(t[3]);
         r.paddingRight = number(t[4]);
     }},
    {"handle_rect", 4,
     [](ImageMetadata& r, const Tokens& t) {
         r.handleRect = {number(t[1]), number(t[2]), number(t[3]), number(t[4])};
     }},
    {"handle_range", 2, applyHandleRange},
    {"segment", 2, applyHandleRange},
    {"orientation", 1, applyOrientationKey},
    {"tiled", 1, applyOrientationKey},
    {"mouse_response", 1, applyOrientationKey},
    {"line_end_length", 1, applyLineEndLength},
    {"segment_count", 1, applyLineEndLength},
    {"transparent_pixel", 2,
     [](ImageMetadata& r, const Tokens& t) {
         r.transparentPixelX = decimalPrefix(t[1]);
         r.transparentPixelY = decimalPrefix(t[2]);
     }},
};

}  // namespace

void applyImageMetadata(ImageMetadata& record, std::string_view text) {
    record = ImageMetadata{};
    for (const std::string& line : splitLines(text)) {
        const Tokens tokens = tokenizeLine(line);
        if (tokens.empty()) continue;
        for (const Key& key : keys)
            if (tokens[0] == key.name && tokens.size() > key.valuesUsed) key.apply(record, tokens);
    }
}

void parseImageMetadata(ImageMetadata& record, gmpi::ComRef<gmpi::IMpFile> file) {
    applyImageMetadata(record, file ? readSkinFile(*file) : std::string());
}

}  // namespace skin
