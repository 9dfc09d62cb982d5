#include <gtest/gtest.h>

#include "editor/zoom.h"
#include "resource.h"

namespace zem {
namespace {

TEST(ZoomLevels, PackDenominatorHighAndNumeratorLow) {
    const struct {
        UINT command;
        int numerator, denominator;
    } expected[] = {{MMZoom200Pct, 2, 1}, {MMZoom150Pct, 3, 2}, {MMZoom125Pct, 5, 4}, {MMZoom100Pct, 1, 1},
                    {MMZoom75Pct, 3, 4},  {MMZoom50Pct, 1, 2},  {MMZoom25Pct, 1, 4}};
    ASSERT_EQ(ZoomLevels().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ZoomLevel& level = ZoomLevels()[i];
        EXPECT_EQ(level.command, expected[i].command);
        EXPECT_EQ(level.packed, static_cast<uint32_t>(expected[i].denominator << 16 | expected[i].numerator));
        EXPECT_EQ(level.percent, expected[i].numerator * 100 / expected[i].denominator);
        EXPECT_EQ(ZoomLevelByPacked(level.packed), &level);
        EXPECT_EQ(ZoomLevelByCommand(level.command), &level);
    }
    EXPECT_EQ(DefaultZoomLevel().packed, 0x00010001u);
    EXPECT_EQ(ZoomLevelByPacked(0x00030001), nullptr);
}

TEST(ZoomSteps, WalkTheScaleAndStopAtItsEnds) {
    const int upward[] = {25, 50, 75, 100, 125, 150, 200};
    for (size_t i = 0; i + 1 < std::size(upward); ++i) {
        const ZoomLevel* from = nullptr;
        for (const auto& level : ZoomLevels()) {
            if (level.percent == upward[i]) from = &level;
        }
        ASSERT_NE(from, nullptr);
        ASSERT_NE(ZoomInStep(from->packed), nullptr);
        EXPECT_EQ(ZoomInStep(from->packed)->percent, upward[i + 1]);
        EXPECT_EQ(ZoomOutStep(ZoomInStep(from->packed)->packed)->percent, upward[i]);
    }
    EXPECT_EQ(ZoomInStep(0x00010002), nullptr);   // 200 %
    EXPECT_EQ(ZoomOutStep(0x00040001), nullptr);  // 25 %
}

TEST(ZoomSteps, IgnoreRatiosOffTheScaleOrNotSet) {
    EXPECT_EQ(ZoomInStep(0x000A000B), nullptr);  // 110 %
    EXPECT_EQ(ZoomOutStep(0x000A000B), nullptr);
    EXPECT_EQ(ZoomInStep(0), nullptr);  // the control reports no ratio
    EXPECT_EQ(ZoomPercent(0x0000FFFF), 0);
    // The same level written with other numbers still steps: 4/2 is 200 %.
    EXPECT_EQ(ZoomOutStep(0x00020004)->percent, 150);
}

}  // namespace
}  // namespace zem
