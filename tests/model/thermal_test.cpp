// Uw after EN ISO 10077-1: the standard's arithmetic, and the areas of
// elements as their profiles make them, worked out by hand.

#include <gtest/gtest.h>

#include "model/thermal.h"

namespace {

TEST(Thermal, StandardsWorkedVector) {
    EXPECT_NEAR(thermal::Uw(1.2, 1.1, 0.3, 1.5, 6.0, 0.04), 1.34, 1e-9);
    EXPECT_EQ(thermal::Uw(0, 1.1, 0, 1.5, 6.0, 0.04), 0.0) << "no area, no value";
}

// Series 8830 at the reference size: frame 23001 (64 mm) with sash 23011
// (49 mm beyond the frame's stop), together 113 mm as the cut shows them;
// glass 6002 (Ug 1.0, PsiG 0.041), Uf 1.3.
thermal::Element SingleSash() {
    thermal::Element e;
    e.width = thermal::kReferenceWidth;
    e.height = thermal::kReferenceHeight;
    e.frame = 64;
    e.sash = 49;
    e.ufFrame = 1.3;
    e.ug = 1.0;
    e.psi = 0.041;
    return e;
}

TEST(Thermal, SingleSashWindowAtTheReferenceSize) {
    thermal::Figures f;
    ASSERT_TRUE(thermal::Compute(SingleSash(), f));
    // Glass 1004 x 1254 mm.
    EXPECT_NEAR(f.ag, 1.004 * 1.254, 1e-9);
    EXPECT_NEAR(f.lg, 2 * (1.004 + 1.254), 1e-9);
    EXPECT_NEAR(f.af + f.ag, 1.23 * 1.48, 1e-9);
    EXPECT_NEAR(f.uf, 1.3, 1e-9);
    EXPECT_NEAR(f.uw, 1.19, 0.005);

    // Fixed glazing: the glass sits on the frame's stop, 1102 x 1352 mm.
    thermal::Element fixed = SingleSash();
    fixed.sash = 0;
    ASSERT_TRUE(thermal::Compute(fixed, f));
    EXPECT_NEAR(f.ag, 1.102 * 1.352, 1e-9);
}

TEST(Thermal, TwoSashesBesideAMullion) {
    // 2000 x 1400 mm, mullion 23021 (82 mm, Uf 1.35 with the sash): two
    // fields of 895 mm between frame and mullion, each pane 797 x 1174 mm;
    // the mullion's section 82 + 2 x 49 mm wide over the panes' height.
    thermal::Element e = SingleSash();
    e.width = 2000;
    e.height = 1400;
    e.mullions = 1;
    e.mullion = 82;
    e.ufMullion = 1.35;
    thermal::Figures f;
    ASSERT_TRUE(thermal::Compute(e, f));
    EXPECT_NEAR(f.ag, 2 * 0.797 * 1.174, 1e-9);
    EXPECT_NEAR(f.lg, 4 * (0.797 + 1.174), 1e-9);
    EXPECT_NEAR(f.af, 2.8 - f.ag, 1e-9);
    const double mullionArea = 0.180 * 1.174;
    EXPECT_NEAR(f.uf, ((f.af - mullionArea) * 1.3 + mullionArea * 1.35) / f.af, 1e-9);
    EXPECT_NEAR(f.uw, 1.2187, 5e-5);
    EXPECT_NEAR(f.uw, thermal::Uw(f.ag, f.ug, f.af, f.uf, f.lg, f.psi), 1e-12);

    // The same with two sashes meeting at an astragal (66 mm) instead.
    e.mullions = 0;
    e.astragal = true;
    e.astragalWidth = 66;
    e.ufAstragal = 1.35;
    ASSERT_TRUE(thermal::Compute(e, f));
    // Panes (1872 - 66) / 2 - 98 = 805 mm wide.
    EXPECT_NEAR(f.ag, 2 * 0.805 * 1.174, 1e-9);
}

TEST(Thermal, MissingValuesGiveNoFigure) {
    thermal::Element noGlass = SingleSash();
    noGlass.ug = 0;
    thermal::Element noWidth = SingleSash();
    noWidth.frame = 0;
    thermal::Element noMullionWidth = SingleSash();
    noMullionWidth.mullions = 1;
    noMullionWidth.ufMullion = 1.3;
    thermal::Element tooSmall = SingleSash();
    tooSmall.width = 200; // the profiles leave no glass
    thermal::Element noUf = SingleSash();
    noUf.ufFrame = -1; // the service's "no value"
    for (const thermal::Element& e : {noGlass, noWidth, noMullionWidth, tooSmall, noUf}) {
        thermal::Figures f;
        f.uw = 9;
        EXPECT_FALSE(thermal::Compute(e, f));
        EXPECT_EQ(f.uw, 0.0);
        EXPECT_EQ(f.af, 0.0);
    }
}

} // namespace
