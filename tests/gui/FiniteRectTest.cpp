#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gui/FiniteRect.h"

namespace {

using gmpi_gui::MpRect;

TEST(FiniteRect, RefusesEveryNonFiniteEdgeAndEveryOverflowingExtent) {
    constexpr float most = std::numeric_limits<float>::max();
    const struct {
        MpRect rect;
        bool finite;
    } cases[] = {
        {{0, 0, 100, 50}, true},
        {{10, 10, 0, -5}, true},  // inverted or empty is still finite: the panel decides what it draws
        {{0, 0, most, most}, true},
        {{NAN, 0, 100, 50}, false},
        {{0, NAN, 100, 50}, false},
        {{0, 0, INFINITY, 50}, false},
        {{0, 0, 100, -INFINITY}, false},
        {{-most, 0, most, 50}, false},  // each edge finite, the width not
        {{0, most, 100, -most}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gmpi_gui::isFiniteRect(c.rect), c.finite)
            << c.rect.left << ' ' << c.rect.top << ' ' << c.rect.right << ' ' << c.rect.bottom;
}

}  // namespace
