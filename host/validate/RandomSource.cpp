#include "host/validate/RandomSource.h"

#include <cmath>
#include <limits>

#include "framework/MpInterfaces.h"
#include "host/run/ValueBytes.h"

namespace zuhost {

namespace {

uint64_t hashLabel(std::string_view label) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : label) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace

RandomSource::RandomSource(uint64_t seed, std::string_view label) {
    std::seed_seq sequence{static_cast<uint32_t>(seed), static_cast<uint32_t>(seed >> 32),
                           static_cast<uint32_t>(hashLabel(label)), static_cast<uint32_t>(hashLabel(label) >> 32)};
    engine_.seed(sequence);
}

int64_t RandomSource::integer(int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(engine_);
}

double RandomSource::real(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine_);
}

bool RandomSource::chance(double probability) { return real(0.0, 1.0) < probability; }

uint32_t RandomSource::seed32() { return static_cast<uint32_t>(engine_()); }

float RandomSource::floatValue() {
    const double pick = real(0.0, 1.0);
    const double sign = chance(0.5) ? 1.0 : -1.0;
    if (pick < 0.1) return 0.0f;
    if (pick < 0.5) return static_cast<float>(real(-10.0, 10.0));
    if (pick < 0.95) return static_cast<float>(sign * std::pow(10.0, real(-3.0, 9.0)));
    return static_cast<float>(sign * std::numeric_limits<float>::max());
}

int32_t RandomSource::intValue() {
    const double pick = real(0.0, 1.0);
    if (pick < 0.5) return static_cast<int32_t>(integer(-10, 10));
    if (pick < 0.9) return static_cast<int32_t>(integer(-1000, 1000));
    return static_cast<int32_t>(integer(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::vector<uint8_t> RandomSource::value(int32_t datatypeCode) {
    switch (datatypeCode) {
        case gmpi::MP_FLOAT32:
        case gmpi::MP_AUDIO: return valueBytes(floatValue());
        case gmpi::MP_INT32: return valueBytes(intValue());
        case gmpi::MP_BOOL: return valueBytes(static_cast<uint8_t>(chance(0.5)));
        case gmpi::MP_STRING: {
            std::vector<uint8_t> text(2 * static_cast<size_t>(integer(0, 16)) + 2, 0);
            for (size_t i = 0; i + 2 < text.size(); i += 2) text[i] = static_cast<uint8_t>(integer('a', 'z'));
            return text;
        }
        default: {
            std::vector<uint8_t> blob(static_cast<size_t>(integer(0, 64)));
            for (uint8_t& byte : blob) byte = static_cast<uint8_t>(integer(0, 255));
            return blob;
        }
    }
}

}  // namespace zuhost
