// The skin's text parsers on arbitrary bytes: image metadata and style
// sheets, read through a host file object that may report any size.
//
// Input: u8 kind (bit 0 set: a style sheet, else image metadata), i64 the
// size the file reports, then the text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "framework/ComObject.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "skin/FontMetadata.h"
#include "skin/ImageMetadata.h"

namespace {

using zufuzz::check;

// A host file that reports `reported` bytes but holds `text`.
class TextFile final : public gmpi::IMpFile {
public:
    TextFile(std::string text, int64_t reported) : text_(std::move(text)), reported_(reported) {}
    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override {
        return gmpi::answerQuery(iid, out, {{gmpi::MP_IID_FILE, this}, {gmpi::MP_IID_UNKNOWN, this}});
    }
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t getFileSize(int64_t* size) override {
        *size = reported_;
        return gmpi::MP_OK;
    }
    int32_t readFile(void* buffer, int64_t byteCount, int64_t position) override {
        check(byteCount >= 0 && byteCount == reported_ && position == 0, "the parser reads the reported size whole");
        const size_t n = std::min<size_t>(static_cast<size_t>(byteCount), text_.size());
        if (n > 0) std::memcpy(buffer, text_.data(), n);
        return n == static_cast<size_t>(byteCount) ? gmpi::MP_OK : gmpi::MP_FAIL;
    }
    const gmpi::ServiceReferences& references() const { return references_; }

private:
    std::string text_;
    int64_t reported_;
    gmpi::ServiceReferences references_;
};

void parseMetadata(TextFile& file) {
    skin::ImageMetadata record;
    skin::parseImageMetadata(record, gmpi::ComRef<gmpi::IMpFile>::addRef(&file));
    check(record.mode >= 0 && record.mode <= 3, "the mode is one of the four kinds");
    check(record.orientation >= -1 && record.orientation <= 4, "the orientation is a known code");
}

void parseStyleSheet(TextFile& file) {
    skin::FontStyleSheet sheet;
    skin::loadStyleSheet(sheet, gmpi::ComRef<gmpi::IMpFile>::addRef(&file));
    check(sheet.fallbackStyle.category == "default" && sheet.fallbackStyle.fontSize == 12,
          "loading never changes the fallback");
    for (const skin::FontMetadata& style : sheet.styles) {
        check(skin::findStyle(sheet, style.category).category == style.category,
              "every style can be found by its name");
        check(!style.family().empty(), "every style has a family for its text format");
        check(style.weight() == 300 || style.weight() == 400 || style.weight() == 700,
              "weights are light, regular or bold");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zufuzz::FuzzInput input(data, size);
    const bool styleSheet = (input.read<uint8_t>() & 1) != 0;
    const int64_t reported = input.read<int64_t>();
    const auto text = input.rest();
    // Sizes a host may report for the text it holds, and one it made up.
    for (const int64_t size : {int64_t(text.size()), reported}) {
        // Reports up to the parser's limit are read like any other, only slower.
        if (size > (1 << 16) && size <= (16 << 20)) continue;
        TextFile file(std::string(text.begin(), text.end()), size);
        styleSheet ? parseStyleSheet(file) : parseMetadata(file);
        check(file.references().outstanding() == 0, "the parser releases the file reference it was handed");
    }
    return 0;
}
