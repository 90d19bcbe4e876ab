#include "host/run/ContactSheet.h"

#include <gtest/gtest.h>

#include "host/run/OutputFile.h"
#include "tests/host/PanelCommandSupport.h"
#include "tests/support/TestTempPath.h"

namespace {

using zuhost::ContactSheet;

TEST(ContactSheet, ScalesLargePicturesDownAndRefusesASheetTooTallForAPngBeforeDrawingIt) {
    const zuhost::gui::CairoContext large(1024, 2048);
    ContactSheet sheet(1);
    sheet.add(large, "large");
    const auto path = testTempPath("sheet.png");
    sheet.write(path);
    const Picture written(path);
    EXPECT_EQ(written.width(), 10 + 256 + 10);
    EXPECT_EQ(written.height(), 10 + ContactSheet::largestPicture + 32 + 10);  // with two caption lines

    // One a row, 60 rows pass 32767 pixels.
    for (int i = 0; i < 59; ++i) sheet.add(large, "more");
    const auto tall = testTempPath("tall.png");
    try {
        sheet.write(tall);
        ADD_FAILURE() << "a sheet taller than a PNG may be was written";
    } catch (const zuhost::OutputError& error) {
        EXPECT_NE(std::string(error.what()).find("cannot write " + tall.string() + ": it would be 276x33250 pixels"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(tall));
}

}  // namespace
