#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gui/MpString.h"
#include "host/gui/ApproximateTextMeasurer.h"
#include "host/gui/GraphicsHost.h"

namespace {

using namespace gmpi_gui;
using zuhost::gui::GraphicsHost;

template <class Interface>
Interface* made(int32_t (GraphicsHost::*create)(void**), GraphicsHost& host) {
    void* object = nullptr;
    EXPECT_EQ((host.*create)(&object), gmpi::MP_OK);
    return static_cast<Interface*>(object);
}

TEST(ScriptedMenu, RecordsWhatThePanelShowedAndAnswersTheScriptedChoices) {
    GraphicsHost host;
    host.script().chooseMenuItem(7);
    auto* menu = made<IMpPlatformMenu>(&GraphicsHost::createPlatformMenu, host);
    void* queried = nullptr;
    ASSERT_EQ(menu->queryInterface(MP_IID_PLATFORM_MENU, &queried), gmpi::MP_OK);
    menu->release();
    menu->addItem("Sine", 3);
    menu->addItem("Saw", 7);
    menu->setAlignment(MP_TEXT_ALIGN_CENTER);
    int32_t chosen = 0;
    EXPECT_EQ(menu->showMenu(&chosen, 12.5f, 30), gmpi::MP_OK);
    EXPECT_EQ(chosen, 7);
    EXPECT_EQ(menu->showMenu(&chosen, 0, 0), gmpi::MP_OK);
    EXPECT_EQ(chosen, -1);  // nothing more scripted: the user chose nothing
    EXPECT_EQ(menu->showMenu(nullptr, 0, 0), gmpi::MP_FAIL);
    menu->release();

    ASSERT_EQ(host.script().menus().size(), 2u);
    const auto& shown = host.script().menus()[0];
    ASSERT_EQ(shown.items.size(), 2u);
    EXPECT_EQ(shown.items[1].text, "Saw");
    EXPECT_EQ(shown.items[1].id, 7);
    EXPECT_EQ(shown.alignment, MP_TEXT_ALIGN_CENTER);
    EXPECT_EQ(shown.x, 12.5f);
    EXPECT_EQ(shown.y, 30);
    EXPECT_EQ(host.objects().live(), 0);
}

TEST(ScriptedTextEntry, WritesTheTypedTextOrLeavesTheStringAsItWas) {
    GraphicsHost host;
    host.script().typeText("-6.5");
    auto* entry = made<IMpPlatformText>(&GraphicsHost::createPlatformTextEdit, host);
    entry->setText("0.0");
    entry->setAlignment(MP_TEXT_ALIGN_TRAILING);
    gmpi_sdk::MpString typed;
    typed.setData("0.0", 3);
    EXPECT_EQ(entry->showEditor(1, 2, 30, 12, &typed), gmpi::MP_OK);
    EXPECT_EQ(typed.str(), "-6.5");
    EXPECT_EQ(entry->showEditor(1, 2, 30, 12, &typed), gmpi::MP_OK);
    EXPECT_EQ(typed.str(), "-6.5");
    GraphicsHost notAString;
    EXPECT_EQ(entry->showEditor(0, 0, 1, 1, &notAString), gmpi::MP_FAIL);
    EXPECT_EQ(entry->showEditor(0, 0, 1, 1, nullptr), gmpi::MP_FAIL);
    entry->release();

    ASSERT_EQ(host.script().textEntries().size(), 2u);
    const auto& first = host.script().textEntries()[0];
    EXPECT_EQ(first.startingText, "0.0");
    EXPECT_EQ(first.alignment, MP_TEXT_ALIGN_TRAILING);
    EXPECT_EQ(first.left, 1);
    EXPECT_EQ(first.width, 30);
    EXPECT_EQ(first.typedText, "-6.5");
    EXPECT_FALSE(host.script().textEntries()[1].typedText);
    EXPECT_EQ(host.objects().live(), 0);
}

TEST(GraphicsHostRecords, InvalidationsMeasureRequestsAndTheCapture) {
    GraphicsHost host;
    const MpRect part{1, 2, 3, 4};
    host.invalidateRect(nullptr);
    host.invalidateRect(&part);
    host.invalidateMeasure();
    ASSERT_EQ(host.invalidations().size(), 2u);
    EXPECT_FALSE(host.invalidations()[0]);
    EXPECT_EQ(host.invalidations()[1]->right, 3);
    EXPECT_EQ(host.measureRequests(), 1);

    int32_t captured = -1;
    host.getCapture(&captured);
    EXPECT_EQ(captured, 0);
    host.setCapture();
    host.getCapture(&captured);
    EXPECT_NE(captured, 0);
    host.releaseCapture();
    host.getCapture(&captured);
    EXPECT_EQ(captured, 0);
    EXPECT_EQ(host.getCapture(nullptr), gmpi::MP_FAIL);
    EXPECT_EQ(host.reserved13(), gmpi::MP_FAIL);
    EXPECT_EQ(host.unexpectedCalls(), 1);
}

TEST(TextFormats, RefuseSizesThatCannotBeDrawn) {
    GraphicsHost host;
    for (float size :
         {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 1e6f}) {
        void* format = &host;
        EXPECT_EQ(host.createTextFormat("Arial", nullptr, 400, 0, 5, size, nullptr, &format), gmpi::MP_FAIL) << size;
        EXPECT_EQ(format, nullptr);
    }
    EXPECT_EQ(host.textFormatRequests().size(), 5u);
    EXPECT_EQ(host.objects().created(), 0);
}

TEST(TextFormats, KeepAlignmentsInsideTheirCodes) {
    GraphicsHost host;
    void* object = nullptr;
    ASSERT_EQ(host.createTextFormat(nullptr, nullptr, 400, 0, 5, 12, nullptr, &object), gmpi::MP_OK);
    auto* format = static_cast<IMpTextFormat*>(object);
    EXPECT_EQ(format->setTextAlignment(MP_TEXT_ALIGN_TRAILING), gmpi::MP_OK);
    EXPECT_EQ(format->setTextAlignment(3), gmpi::MP_FAIL);
    EXPECT_EQ(format->setParagraphAlignment(-1), gmpi::MP_FAIL);
    EXPECT_EQ(format->setParagraphAlignment(MP_PARAGRAPH_ALIGN_CENTER), gmpi::MP_OK);
    EXPECT_EQ(host.textFormatRequests().at(0).family, "");
    format->release();
}

TEST(TextFormats, MeasureWithTheHostsMeasurerAndTheGivenLength) {
    GraphicsHost host(std::make_shared<zuhost::gui::ApproximateTextMeasurer>());
    void* object = nullptr;
    ASSERT_EQ(host.createTextFormat("Arial", nullptr, 400, 0, 5, 10, nullptr, &object), gmpi::MP_OK);
    auto* format = static_cast<IMpTextFormat*>(object);
    MpSize extent{};
    EXPECT_EQ(format->getTextExtent("\xC2\xB1"
                                    "12 dB",
                                    5, &extent),
              gmpi::MP_OK);  // "±12 " : four characters
    EXPECT_FLOAT_EQ(extent.width, 4 * 10 * zuhost::gui::ApproximateTextMeasurer::advancePerEm);
    EXPECT_FLOAT_EQ(extent.height, 10 * zuhost::gui::ApproximateTextMeasurer::lineHeightPerEm);
    EXPECT_EQ(format->getTextExtent("abc", -1, &extent), gmpi::MP_OK);  // terminated
    EXPECT_FLOAT_EQ(extent.width, 15);
    EXPECT_EQ(format->getTextExtent("abc", 3, nullptr), gmpi::MP_FAIL);
    EXPECT_EQ(format->getTextExtent(nullptr, 3, &extent), gmpi::MP_FAIL);
    format->release();
}

}  // namespace
