#include "host/command/OptionValidators.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/command/NumberText.h"

namespace {

using namespace zuhost;

// What `--n TEXT` leaves in an option of type T with `validator`, or why it is refused.
template <class T>
std::string read(const std::string& text, const CLI::Validator& validator) {
    CLI::App app;
    T value{};
    app.add_option("--n", value)->transform(validator);
    try {
        app.parse(std::vector<std::string>{text, "--n"});
    } catch (const CLI::ParseError& error) {
        return error.what();
    }
    return std::to_string(value);
}

TEST(OptionValidators, WholeNumbersAreDecimalAndInRange) {
    EXPECT_EQ(read<int>("010", wholeNumber(1, 100)), "10") << "not octal";
    EXPECT_EQ(read<int>("100", wholeNumber(1, 100)), "100");
    EXPECT_EQ(read<int>("101", wholeNumber(1, 100)), "--n: 101 is out of range (1 to 100)");
    EXPECT_EQ(read<int>("99999999999", wholeNumber(1, 100)), "--n: 99999999999 is out of range (1 to 100)");
    EXPECT_EQ(read<uint64_t>("18446744073709551615", wholeNumber<uint64_t>(0)), "18446744073709551615");
    EXPECT_EQ(read<uint64_t>("-1", wholeNumber<uint64_t>(0)), "--n: -1 is out of range (0 or more)") << "not wrapped";
    for (const char* bad : {"0x10", "1.0", "1e3", " 5", "+5", "5 "})
        EXPECT_NE(read<int>(bad, wholeNumber(0, 100000)).find("is not a whole number (0 to 100000)"), std::string::npos)
            << bad;
}

TEST(OptionValidators, NumbersAreFiniteAndInRange) {
    EXPECT_EQ(read<double>("2.5e1", finiteNumber(1.0, 100.0)), "25.000000");
    for (const char* bad : {"nan", "inf", "1e400", "0x10"})
        EXPECT_NE(read<double>(bad, finiteNumber(1.0, 100.0)).find("is not a number (1 to 100)"), std::string::npos)
            << bad;
    for (const char* outside : {"0.5", "100.5", "-3"})
        EXPECT_NE(read<double>(outside, finiteNumber(1.0, 100.0)).find("is out of range (1 to 100)"), std::string::npos)
            << outside;
}

TEST(NumberText, NumbersMustFillTheWholeText) {
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_FALSE(parseInteger("12 "));
    EXPECT_FALSE(parseInteger("0x10"));
    EXPECT_FALSE(parseInteger<int32_t>("2147483648"));
    EXPECT_EQ(parseReal("2.5e1"), 25.0);
    EXPECT_FALSE(parseReal("2.5f"));
    EXPECT_FALSE(parseReal("nan"));
    EXPECT_FALSE(parseReal("1e400"));
}

}  // namespace
