#include "host/command/SampleTime.h"

#include <cmath>

#include "host/command/NumberText.h"
#include "host/command/UsageError.h"

namespace zuhost {

namespace {

constexpr double longestSeconds = 86400.0;
constexpr int64_t longestSamples = 86400LL * 1000000LL;

UsageError notATime(std::string_view text) {
    return UsageError(
        "a time is a whole number of samples, or seconds with s or ms (24000, 0.5s, 20ms), up to a day; not '" +
        std::string(text) + "'");
}

}  // namespace

SampleTime SampleTime::parse(std::string_view text) {
    Unit unit = Unit::Samples;
    std::string_view number = text;
    if (text.ends_with("ms")) {
        number.remove_suffix(2);
        unit = Unit::Milliseconds;
    } else if (text.ends_with('s')) {
        number.remove_suffix(1);
        unit = Unit::Seconds;
    }
    if (unit == Unit::Samples) {
        const auto count = parseInteger(text);
        if (!count || *count < 0 || *count > longestSamples) throw notATime(text);
        return {static_cast<double>(*count), unit};
    }
    const auto value = parseReal(number);
    const double seconds = value ? (unit == Unit::Milliseconds ? *value / 1000.0 : *value) : -1.0;
    if (seconds < 0 || seconds > longestSeconds) throw notATime(text);
    return {*value, unit};
}

int64_t SampleTime::samplesAt(float sampleRate) const {
    switch (unit_) {
        case Unit::Seconds: return std::llround(amount_ * sampleRate);
        case Unit::Milliseconds: return std::llround(amount_ * (sampleRate / 1000.0));
        case Unit::Samples: break;
    }
    return static_cast<int64_t>(amount_);
}

std::string SampleTime::text() const {
    switch (unit_) {
        case Unit::Seconds: return shortestText(amount_) + "s";
        case Unit::Milliseconds: return shortestText(amount_) + "ms";
        case Unit::Samples: break;
    }
    return std::to_string(static_cast<int64_t>(amount_));
}

}  // namespace zuhost
