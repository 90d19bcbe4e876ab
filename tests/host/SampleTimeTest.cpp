#include "host/command/SampleTime.h"

#include <gtest/gtest.h>

#include "host/command/UsageError.h"

namespace {

using namespace zuhost;

TEST(SampleTime, IsSamplesOrSecondsAtTheRate) {
    EXPECT_EQ(SampleTime::parse("24000").samplesAt(48000.0f), 24000);
    EXPECT_EQ(SampleTime::parse("24000").samplesAt(96000.0f), 24000);
    EXPECT_EQ(SampleTime::parse("0.5s").samplesAt(48000.0f), 24000);
    EXPECT_EQ(SampleTime::parse("20ms").samplesAt(44100.0f), 882);
    EXPECT_EQ(SampleTime::parse("0").samplesAt(48000.0f), 0);
    EXPECT_EQ(SampleTime::parse("86400s").samplesAt(1.0e6f), 86400LL * 1000000LL);
}

TEST(SampleTime, RefusesWhatIsNoTimeUpToADay) {
    for (const char* bad : {"-1", "1.5", "s", "ms", "-0.5s", "nans", "infs", "1e300s", "86401s", "86400001ms",
                            "86400000001", "99999999999999999999", "10 s", ""})
        EXPECT_THROW(SampleTime::parse(bad), UsageError) << bad;
}

TEST(SampleTime, WritesItselfAsTheCommandLineWouldGiveIt) {
    for (const char* text : {"24000", "0.5s", "20ms", "1s"}) EXPECT_EQ(SampleTime::parse(text).text(), text);
}

}  // namespace
