#include <gtest/gtest.h>

#include <sstream>

#include "host/command/UsageError.h"
#include "host/gui/PanelSession.h"
#include "host/panel/PanelArguments.h"
#include "host/panel/SessionScript.h"

namespace {

using zuhost::SessionAction;
using Kind = SessionAction::Kind;

std::vector<SessionAction> parse(const std::string& text) {
    std::istringstream script(text);
    return zuhost::parseSessionScript(script, 1000.0f);
}

TEST(SessionScriptTest, ADragIsADownMovesEveryTenMillisecondsAndAnUpAtItsEnd) {
    const auto actions = parse("0.1s drag 0,100 0,0 50ms alt control\n");
    ASSERT_EQ(actions.size(), 7u);
    EXPECT_EQ(actions.front().kind, Kind::Down);
    EXPECT_EQ(actions.front().time, 100);
    EXPECT_EQ(actions[1].kind, Kind::Move);
    EXPECT_EQ(actions[1].time, 110);
    EXPECT_FLOAT_EQ(actions[1].point.y, 80);
    EXPECT_EQ(actions.back().kind, Kind::Up);
    EXPECT_EQ(actions.back().time, 150);
    EXPECT_FLOAT_EQ(actions.back().point.y, 0);
    for (const SessionAction& action : actions)
        EXPECT_EQ(action.modifiers, zuhost::gui::AltKey | zuhost::gui::ControlKey);
}

TEST(SessionScriptTest, ActionsComeInTimeOrderAndEqualTimesInScriptOrderAnswersFirst) {
    const auto actions = parse(
        "# a comment\n\n0.5s type C# minor # in C#\n0.2s pin Value In=3\n0.5s up 3,4\n0.5s choose 4\n0.2s up 1,2\n");
    ASSERT_EQ(actions.size(), 5u);
    EXPECT_EQ(actions[0].kind, Kind::Pin);
    EXPECT_EQ(actions[0].name, "Value In");
    EXPECT_EQ(actions[0].text, "3");
    EXPECT_EQ(actions[0].line, 4);
    EXPECT_EQ(actions[1].kind, Kind::Up);
    EXPECT_EQ(actions[2].kind, Kind::Type);
    EXPECT_EQ(actions[2].text, "C# minor");
    EXPECT_EQ(actions[3].kind, Kind::Choose);
    EXPECT_EQ(actions[3].choice, 4);
    EXPECT_EQ(actions[3].line, 6);
    EXPECT_EQ(actions[4].kind, Kind::Up);
}

TEST(SessionScriptTest, MalformedLinesAreRefusedWithTheirNumber) {
    const char* lines[] = {"0s wiggle",     "soon down 1,2",  "0s down 1",
                           "0s down nan,2", "0s up 1,2 meta", "0s drag 1,2 3,4",
                           "0s pin Value",  "0s choose many", "0s"};
    for (const char* line : lines) {
        try {
            parse("0s up 1,1\n" + std::string(line) + "\n");
            ADD_FAILURE() << line;
        } catch (const zuhost::UsageError& error) {
            EXPECT_NE(std::string(error.what()).find("script line 2"), std::string::npos)
                << line << ": " << error.what();
        }
    }
}

TEST(SessionScriptTest, PinActionsAreReadAsTheirPinsDatatype) {
    zuhost::PluginDescription plugin;
    plugin.id = "P";
    plugin.guiPins = {{3, "Level", "float", 0, 0, {}, {}}, {5, "Label", "string", 0, 0, {}, {}}};
    auto actions = parse("0s pin Level=0.5\n0s pin 5=ab\n0s up 1,2\n");
    zuhost::resolvePinActions(actions, plugin);
    EXPECT_EQ(actions[0].value.pin, 3);
    const float half = 0.5f;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&half);
    EXPECT_EQ(actions[0].value.bytes, std::vector<uint8_t>(bytes, bytes + sizeof half));
    EXPECT_EQ(actions[1].value.pin, 5);
    EXPECT_EQ(actions[1].value.bytes, (std::vector<uint8_t>{'a', 0, 'b', 0}));
    for (const char* line : {"0s pin Level=loud\n", "0s pin Volume=1\n"}) {
        auto wrong = parse(line);
        EXPECT_THROW(zuhost::resolvePinActions(wrong, plugin), zuhost::UsageError) << line;
    }
}

TEST(PanelArgumentsTest, PointsAndSizesMustBeFiniteAndSizesPositive) {
    EXPECT_FLOAT_EQ(zuhost::parsePoint("-3.5,7").x, -3.5f);
    EXPECT_FLOAT_EQ(zuhost::parseSize("320x215").height, 215.0f);
    for (const char* point : {"1", "1;2", "inf,2", "1,nan", "1e9,0", ","})
        EXPECT_THROW(zuhost::parsePoint(point), zuhost::UsageError) << point;
    for (const char* size : {"0x10", "10x-1", "10x5000", "10,10", "nanx10"})
        EXPECT_THROW(zuhost::parseSize(size), zuhost::UsageError) << size;
}

}  // namespace
