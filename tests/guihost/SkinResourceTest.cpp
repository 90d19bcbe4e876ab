#include <gtest/gtest.h>

#include <array>
#include <string>

#include "gui/MpString.h"
#include "host/gui/GuiHost.h"
#include "host/gui/SkinFolder.h"
#include "tests/support/TestSkin.h"

namespace {

using zuhost::gui::GuiHost;
using zuhost::gui::SkinFolder;

struct Resolution {
    const char* shortName;
    const char* type;
    const char* expected;  // file name inside the skin, or null for nothing found
};

class SkinResolution : public ::testing::TestWithParam<Resolution> {};

TEST_P(SkinResolution, FindsTheFileTheRulesName) {
    TestSkin skin;
    for (const char* name : {"knob.png", "knob.bmp", "plain.bmp", "knob.txt", "odd.jpg", "sub/fader.png", "global.txt"})
        skin.write(name, "x");
    const Resolution& row = GetParam();
    const auto found = SkinFolder(skin.folder()).resolve(row.shortName, row.type);
    if (row.expected == nullptr) {
        EXPECT_FALSE(found) << found->string();
    } else {
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, skin.folder() / std::filesystem::path(row.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SkinResolution,
    ::testing::Values(Resolution{"knob", "Image", "knob.png"},    // png before bmp
                      Resolution{"plain", "Image", "plain.bmp"},  // bmp when no png
                      Resolution{"odd.jpg", "Image", "odd.jpg"},  // an extension is taken as given
                      Resolution{"knob.bmp", "Image", "knob.bmp"},
                      Resolution{"knob.gif", "Image", nullptr},  // as given, but missing
                      Resolution{"sub/fader", "Image", "sub/fader.png"}, Resolution{"knob", "ImageMeta", "knob.txt"},
                      Resolution{"global", "ImageMeta", "global.txt"}, Resolution{"plain", "ImageMeta", nullptr},
                      Resolution{"missing", "Image", nullptr}, Resolution{"knob", "Sound", nullptr},  // unknown type
                      Resolution{"../skin/knob", "Image", nullptr},  // never outside the folder
                      Resolution{"", "Image", nullptr}));

TEST(GuiHostInterfaces, AnswersBothGenerationsAndTheGraphicsHostOnlyWhenOffered) {
    GuiHost host(".");
    for (const gmpi::MpGuid& iid : {gmpi::MP_IID_UI_HOST2, gmpi::MP_IID_UI_HOST, gmpi::MP_IID_UNKNOWN}) {
        void* out = nullptr;
        EXPECT_EQ(host.queryInterface(iid, &out), gmpi::MP_OK);
        EXPECT_EQ(out, static_cast<gmpi::IMpUserInterfaceHost2*>(&host));
    }
    void* out = &host;
    EXPECT_EQ(host.queryInterface(gmpi_gui::MP_IID_GRAPHICS_HOST, &out), gmpi::MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(host.references().outstanding(), 3);
    for (int i = 0; i < 3; ++i) host.release();
    EXPECT_EQ(host.references().outstanding(), 0);
}

TEST(GuiHostResources, ResolvingWritesTheFullNameIntoTheStringAndAnswersZero) {
    TestSkin skin;
    const auto path = skin.write("knob.png", "x");
    GuiHost host(skin.folder());
    gmpi_sdk::MpString fullName;
    EXPECT_EQ(host.resolveResourceName("knob", "Image", &fullName), gmpi::MP_OK);
    EXPECT_EQ(fullName.str(), zuhost::gui::pathToUtf8(path));
    ASSERT_EQ(host.lookups().size(), 1u);
    EXPECT_EQ(host.lookups()[0].fullName, fullName.str());
}

TEST(GuiHostResources, AMissingResourceAnswersMinusOneAndLeavesTheStringAlone) {
    TestSkin skin;
    GuiHost host(skin.folder());
    gmpi_sdk::MpString fullName;
    fullName.setData("before", 6);
    EXPECT_EQ(host.resolveResourceName("knob", "Image", &fullName), gmpi::MP_FAIL);
    EXPECT_EQ(fullName.str(), "before");
    EXPECT_EQ(host.resolveResourceName("knob", "Image", nullptr), gmpi::MP_FAIL);
    EXPECT_EQ(host.resolveResourceName(nullptr, "Image", &fullName), gmpi::MP_FAIL);
    EXPECT_EQ(host.resolveResourceName("knob", nullptr, &fullName), gmpi::MP_FAIL);
}

TEST(GuiHostResources, AnObjectWithoutTheStringInterfaceIsNotWrittenThrough) {
    TestSkin skin;
    skin.write("knob.png", "x");
    GuiHost host(skin.folder());
    GuiHost notAString(skin.folder());
    EXPECT_EQ(host.resolveResourceName("knob", "Image", &notAString), gmpi::MP_FAIL);
}

class OpenedFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto path = skin.write("global.txt", "0123456789");
        void* object = nullptr;
        ASSERT_EQ(host.openResource(zuhost::gui::pathToUtf8(path).c_str(), &object), gmpi::MP_OK);
        void* queried = nullptr;
        ASSERT_EQ(static_cast<gmpi::IMpUnknown*>(object)->queryInterface(gmpi::MP_IID_FILE, &queried), gmpi::MP_OK);
        static_cast<gmpi::IMpUnknown*>(object)->release();
        file = static_cast<gmpi::IMpFile*>(queried);
    }
    void TearDown() override {
        if (file != nullptr) file->release();
        EXPECT_EQ(host.objects().live(), 0);
    }
    TestSkin skin;
    GuiHost host{skin.folder()};
    gmpi::IMpFile* file = nullptr;
};

TEST_F(OpenedFile, ReportsItsSize) {
    int64_t size = 0;
    EXPECT_EQ(file->getFileSize(&size), gmpi::MP_OK);
    EXPECT_EQ(size, 10);
    EXPECT_EQ(file->getFileSize(nullptr), gmpi::MP_FAIL);
}

struct Read {
    int64_t count;
    int64_t position;
    int32_t result;
    const char* buffer;  // the 12-byte buffer afterwards, '.' where untouched
};

class FileReads : public OpenedFile, public ::testing::WithParamInterface<Read> {};

TEST_P(FileReads, NeverTouchBytesOutsideTheFileOrTheRequest) {
    const Read& row = GetParam();
    std::array<char, 12> buffer;
    buffer.fill('.');
    EXPECT_EQ(file->readFile(buffer.data(), row.count, row.position), row.result);
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), row.buffer);
}

INSTANTIATE_TEST_SUITE_P(InAndOutOfRange, FileReads,
                         ::testing::Values(Read{10, 0, 0, "0123456789.."},   // the whole file
                                           Read{3, 4, 0, "456........."},    // a middle part
                                           Read{0, 10, 0, "............"},   // nothing, at the end
                                           Read{6, 7, -1, "789........."},   // past the end: what exists
                                           Read{1, 11, -1, "............"},  // starting past the end
                                           Read{-1, 0, -1, "............"}, Read{2, -1, -1, "............"},
                                           Read{2, INT64_MAX, -1, "............"},
                                           Read{INT64_MAX, 8, -1, "89.........."}));

TEST_F(OpenedFile, ANullBufferIsRefusedUnlessNothingIsRead) {
    EXPECT_EQ(file->readFile(nullptr, 4, 0), gmpi::MP_FAIL);
    EXPECT_EQ(file->readFile(nullptr, 0, 0), gmpi::MP_OK);
}

TEST(GuiHostResources, OpeningWhatIsNotAFileGivesNothing) {
    TestSkin skin;
    GuiHost host(skin.folder());
    void* object = &host;
    EXPECT_EQ(host.openResource(zuhost::gui::pathToUtf8(skin.folder() / "none.txt").c_str(), &object), gmpi::MP_FAIL);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(host.openResource(zuhost::gui::pathToUtf8(skin.folder()).c_str(), &object), gmpi::MP_FAIL);
    EXPECT_EQ(host.openResource(nullptr, &object), gmpi::MP_FAIL);
    EXPECT_EQ(host.openResource("x", nullptr), gmpi::MP_FAIL);
    EXPECT_EQ(host.objects().created(), 0);
}

}  // namespace
