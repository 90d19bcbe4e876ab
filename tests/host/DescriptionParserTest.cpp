#include "host/description/DescriptionParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/MpInterfaces.h"

namespace {

using namespace zuhost;

// A one-plug-in description whose Audio section holds `pins`.
std::string withAudioPins(const std::string& pins) {
    return "<?xml version=\"1.0\" ?>\r\n<PluginList>\r\n<Plugin id=\"P\" name=\"p\">\r\n<Audio>\r\n" + pins +
           "</Audio>\r\n</Plugin>\r\n</PluginList>\r\n";
}

std::vector<int32_t> audioIndices(const std::string& pins) {
    std::vector<int32_t> indices;
    const LibraryDescription description = parseDescription(withAudioPins(pins));
    for (const PinDescription& pin : description.plugins.at(0).audioPins) {
        indices.push_back(pin.index);
    }
    return indices;
}

std::string errorFor(const std::string& xml) {
    try {
        parseDescription(xml);
    } catch (const DescriptionError& error) {
        return error.what();
    }
    return "no error";
}

TEST(PinNumbering, PinsWithoutIdCountOnFromThePinBefore) {
    EXPECT_EQ(audioIndices(R"(<Pin name="a" datatype="float"/><Pin name="b" datatype="float"/>)"),
              (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(audioIndices(R"(<Pin id="13" name="a" datatype="float"/><Pin name="b" datatype="float"/>)"),
              (std::vector<int32_t>{13, 14}));
    EXPECT_EQ(audioIndices(R"(<Pin name="a" datatype="float"/><Pin name="b" datatype="float"/>)"
                           R"(<Pin id="3" name="c" datatype="float"/><Pin name="d" datatype="float"/>)"),
              (std::vector<int32_t>{0, 1, 3, 4}));
}

TEST(PinNumbering, AnExplicitIdMayGoBackToAFreeIndex) {
    EXPECT_EQ(audioIndices(R"(<Pin id="5" name="a" datatype="float"/><Pin id="2" name="b" datatype="float"/>)"
                           R"(<Pin name="c" datatype="float"/>)"),
              (std::vector<int32_t>{5, 2, 3}));
}

TEST(PinNumbering, EachSectionCountsFromZero) {
    const auto description = parseDescription(
        R"(<PluginList><Plugin id="P" name="p"><Audio><Pin id="7" name="a" datatype="float"/></Audio>)"
        R"(<GUI><Pin name="b" datatype="float"/></GUI></Plugin>)"
        R"(<Plugin id="Q" name="q"><Audio><Pin name="c" datatype="float"/></Audio></Plugin></PluginList>)");
    EXPECT_EQ(description.plugins[0].guiPins.at(0).index, 0);
    EXPECT_EQ(description.plugins[1].audioPins.at(0).index, 0);
}

TEST(PinNumbering, TwoPinsOnOneIndexAreAnError) {
    EXPECT_NE(errorFor(withAudioPins(R"(<Pin id="1" name="a" datatype="float"/><Pin name="b" datatype="float"/>)"
                                     R"(<Pin id="1" name="c" datatype="float"/>)"))
                  .find("pin index 1"),
              std::string::npos);
    EXPECT_NE(errorFor(withAudioPins(R"(<Pin name="a" datatype="float"/><Pin name="b" datatype="float"/>)"
                                     R"(<Pin id="0" name="c" datatype="float"/><Pin name="d" datatype="float"/>)")),
              "no error");
}

TEST(PinNumbering, IdsMustBeNonNegativeInt32) {
    for (const char* id : {"-1", "x", "1.5", "", " 3", "2147483648"}) {
        EXPECT_THROW(
            parseDescription(withAudioPins(std::string("<Pin id=\"") + id + R"(" name="a" datatype="float"/>)")),
            DescriptionError)
            << id;
    }
    EXPECT_THROW(audioIndices(R"(<Pin id="2147483647" name="a" datatype="float"/><Pin name="b" datatype="float"/>)"),
                 DescriptionError);
}

TEST(PinAttributes, DatatypeRateAndDirectionGiveTheCodes) {
    const auto pins =
        parseDescription(
            withAudioPins(
                R"(<Pin name="f" datatype="float"/><Pin name="a" datatype="float" rate = "audio" direction="out"/>)"
                R"(<Pin name="i" datatype="int"/><Pin name="e" datatype="enum" direction="in"/><Pin name="b" datatype="bool"/>)"
                R"(<Pin name="x" datatype="blob"/><Pin name="s" datatype="string"/>)"))
            .plugins[0]
            .audioPins;
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {gmpi::MP_FLOAT32, gmpi::MP_IN}, {gmpi::MP_AUDIO, gmpi::MP_OUT}, {gmpi::MP_INT32, gmpi::MP_IN},
        {gmpi::MP_INT32, gmpi::MP_IN},   {gmpi::MP_BOOL, gmpi::MP_IN},   {gmpi::MP_BLOB, gmpi::MP_IN},
        {gmpi::MP_STRING, gmpi::MP_IN},
    };
    ASSERT_EQ(pins.size(), expected.size());
    for (size_t i = 0; i < pins.size(); ++i) {
        EXPECT_EQ(std::make_pair(pins[i].datatypeCode, pins[i].direction), expected[i]) << pins[i].name;
    }
    EXPECT_TRUE(pins[1].isAudioRate());
    EXPECT_EQ(pins[1].attribute("rate"), "audio");
}

TEST(PinAttributes, OtherAttributesAreKeptInDocumentOrder) {
    const auto pin =
        parseDescription(
            withAudioPins(
                R"(<Pin name="n" datatype="enum" private="true" parameterId="3" metadata="a, b=4" default="0"/>)"))
            .plugins[0]
            .audioPins.at(0);
    EXPECT_EQ(pin.parameterId, 3);
    ASSERT_EQ(pin.attributes.size(), 4u);
    EXPECT_EQ(pin.attributes[0].name, "private");
    EXPECT_EQ(pin.attributes[1].name, "parameterId");
    EXPECT_EQ(pin.attributes[2].value, "a, b=4");
    EXPECT_EQ(pin.attribute("default"), "0");
    EXPECT_EQ(pin.attribute("missing"), std::nullopt);
}

TEST(MalformedDescription, GivesAnErrorNamingTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "malformed XML"},
        {"<PluginList><Plugin id=\"P\" name=\"p\">", "malformed XML"},
        {"<PluginList>\n<Plugin id=\"P\" name=\"p\"></Plugin", "malformed XML at line 2"},
        {"<Plugins/>", "not <PluginList>"},
        {"<PluginList/><PluginList/>", "second root"},
        {"<PluginList><Plugin name=\"p\"/></PluginList>", "lacks the id attribute"},
        {"<PluginList><Plugin id=\"P\" name=\"p\"/><Plugin id=\"P\" name=\"q\"/></PluginList>", "used twice"},
        {"<PluginList><Plugin id=\"P\" name=\"p\"><Gui/></Plugin></PluginList>", "unexpected element <Gui>"},
        {"<PluginList><Plugin id=\"P\" name=\"p\"><Audio/><Audio/></Plugin></PluginList>", "second <Audio>"},
        {"<PluginList><Plugin id=\"P\" name=\"p\">text</Plugin></PluginList>", "unexpected text"},
        {withAudioPins("<Pin datatype=\"float\"/>"), "line 5: <Pin> lacks the name attribute"},
        {withAudioPins("<Pin name=\"a\"/>"), "lacks the datatype attribute"},
        {withAudioPins("<Pin name=\"a\" datatype=\"double\"/>"), "unknown datatype \"double\""},
        {withAudioPins("<Pin name=\"a\" datatype=\"float\" direction=\"sideways\"/>"), "unknown direction"},
        {withAudioPins("<Pin name=\"a\" datatype=\"float\" rate=\"control\"/>"), "unknown rate"},
        {withAudioPins("<Pin name=\"a\" datatype=\"int\" rate=\"audio\"/>"), "must have datatype \"float\""},
        {withAudioPins("<Pin name=\"a\" datatype=\"float\" parameterId=\"zero\"/>"), "not an integer"},
        {withAudioPins("<Pin name=\"a\" datatype=\"float\" private=\"true\" private=\"false\"/>"), "appears twice"},
        {withAudioPins("<Parameter id=\"0\" datatype=\"float\" name=\"s\"/>"), "unexpected element <Parameter>"},
        {"<PluginList><Plugin id=\"P\" name=\"p\"><Parameters><Parameter datatype=\"float\" name=\"s\"/>"
         "</Parameters></Plugin></PluginList>",
         "lacks the id attribute"},
        {"<PluginList><Plugin id=\"P\" name=\"p\"><Parameters><Parameter id=\"0\" datatype=\"float\" name=\"s\"/>"
         "<Parameter id=\"0\" datatype=\"bool\" name=\"t\"/></Parameters></Plugin></PluginList>",
         "parameter id 0"},
    };
    for (const auto& [xml, message] : cases) {
        EXPECT_NE(errorFor(xml).find(message), std::string::npos) << xml << "\n  gave: " << errorFor(xml);
    }
}

}  // namespace
