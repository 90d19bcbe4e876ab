#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "skin/ImageMetadata.h"

namespace {

using skin::ImageMetadata;

ImageMetadata parsed(const std::string& text) {
    ImageMetadata record;
    record.mode = 42;  // the parser starts from the defaults, whatever the record held
    skin::applyImageMetadata(record, text);
    return record;
}

TEST(ImageMetadataTest, AnEmptyTextGivesTheDefaults) {
    const ImageMetadata record = parsed("");
    const ImageMetadata defaults;
    EXPECT_EQ(std::memcmp(&record, &defaults, sizeof(ImageMetadata)), 0);
    EXPECT_EQ(record.mode, ImageMetadata::animated);
    EXPECT_EQ(record.frameSize.width, 10);
    EXPECT_EQ(record.handleRangeEnd, 50);
    EXPECT_EQ(record.orientation, -1);
    EXPECT_EQ(record.transparentPixelX, -1);
}

TEST(ImageMetadataTest, TypeWordsSetTheModeCaseSensitively) {
    struct Case {
        const char* text;
        int32_t mode;
    };
    const Case cases[] = {{"type slider", 0}, {"type knob", 1},     {"type animated", 1},
                          {"type button", 2}, {"type bargraph", 3}, {"type button\ntype Slider", 2},
                          {"type", 1},        {"Type slider", 1}};
    for (const Case& c : cases) EXPECT_EQ(parsed(c.text).mode, c.mode) << c.text;
}

TEST(ImageMetadataTest, OrientationIsChosenByTheFirstByte) {
    struct Case {
        const char* text;
        int32_t orientation;
    };
    const Case cases[] = {{"orientation vertical", 0},
                          {"orientation horizontal", 1},
                          {"orientation Horizontal", -1},
                          {"tiled true", 0},
                          {"tiled false", 1},
                          {"mouse_response click", 2},
                          {"mouse_response rotary", 3},
                          {"mouse_response stepped", 4},
                          {"mouse_response ''", -1},
                          {"orientation x\norientation h", 1}};
    for (const Case& c : cases) EXPECT_EQ(parsed(c.text).orientation, c.orientation) << c.text;
}

TEST(ImageMetadataTest, KeysSetTheirFieldsAndLaterLinesWin) {
    const ImageMetadata record = parsed(
        "  frame_size 24 32\r\n"
        "\tframe_size 48,48\n"
        "padding 1 2 3 4\n"
        "handle_rect 1 2 30 12\n"
        "handle_range 5\n"
        "segment 5 120\n"
        "segment_count 12\n"
        "transparent_pixel 3 4\n"
        "FRAME_SIZE 1 1\n"
        "unknown 9 9\n"
        "line_end_length 7.9");
    EXPECT_EQ(record.frameSize.width, 48);
    EXPECT_EQ(record.frameSize.height, 48);
    EXPECT_EQ(record.paddingTop, 1);
    EXPECT_EQ(record.paddingBottom, 2);
    EXPECT_EQ(record.paddingLeft, 3);
    EXPECT_EQ(record.paddingRight, 4);
    EXPECT_EQ(record.handleRect.left, 1);
    EXPECT_EQ(record.handleRect.bottom, 12);
    EXPECT_EQ(record.handleRangeStart, 5);
    EXPECT_EQ(record.handleRangeEnd, 120);
    EXPECT_EQ(record.lineEndLength, 7);
    EXPECT_EQ(record.transparentPixelX, 3);
    EXPECT_EQ(record.transparentPixelY, 4);
}

TEST(ImageMetadataTest, LinesWithTooFewValuesChangeNothingAndNumbersTruncate) {
    EXPECT_EQ(parsed("frame_size 20").frameSize.width, 10);
    EXPECT_EQ(parsed("padding 1 2 3").paddingTop, 0);
    const ImageMetadata record = parsed("frame_size 20.9 30.9 extra");
    EXPECT_EQ(record.frameSize.width, 20);
    EXPECT_EQ(record.frameSize.height, 30);
    EXPECT_EQ(parsed("frame_size w20 30").frameSize.width, 0);
    EXPECT_EQ(parsed("frame_size 99999999999 1").frameSize.width, 2147483647.0f);
}

}  // namespace
