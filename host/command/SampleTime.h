// A time as the command line gives it: whole samples (24000), or seconds
// with s or ms (0.5s, 20ms), which become samples once the rate is known.
//
// Contract: parse() accepts times from 0 up to a day: 86,400 s, or as many
// samples as a day holds at 1 MHz, the highest rate a command takes. So
// samplesAt() stays far inside int64 at any such rate. Anything else throws
// UsageError saying what a time must be.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zuhost {

class SampleTime {
public:
    enum class Unit { Samples, Seconds, Milliseconds };

    static SampleTime parse(std::string_view text);

    SampleTime(double amount, Unit unit) : amount_(amount), unit_(unit) {}

    int64_t samplesAt(float sampleRate) const;
    std::string text() const;  // as the command line writes it: "24000", "0.5s" or "20ms"

    bool operator==(const SampleTime&) const = default;

private:
    double amount_;  // whole for Samples
    Unit unit_;
};

}  // namespace zuhost
