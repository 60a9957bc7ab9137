// The chi-square law the draw checks are held to, against published quantiles.
#include "support/chi_square.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pelora::testing {
namespace {

TEST(ChiSquare, CriticalValuesMatchPublishedQuantiles) {
    struct Case {
        int degreesOfFreedom;
        double tail;
        double quantile;  // from the standard tables, to their three decimals
    };
    const Case cases[] = {
        {1, 0.05, 3.841},
        {2, 0.05, 5.991},
        {2, 0.001, 13.816},
        {10, 0.01, 23.209},
        {27, 0.05, 40.113},
        {27, 0.001, 55.476},
        {54, 0.05, 72.153},
        {100, 0.001, 149.449},
        // Deep in the tail, where the draw checks' bounds lie: computed to 30 digits with mpmath.
        {27, 2.5e-8, 87.639},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(chiSquareCriticalValue(c.degreesOfFreedom, c.tail), c.quantile, 0.0006)
            << c.degreesOfFreedom << " at " << c.tail;
        EXPECT_NEAR(chiSquareUpperTail(c.degreesOfFreedom, c.quantile), c.tail, c.tail * 1e-3);
    }
}

TEST(ChiSquare, TheTailIsExactWhereItHasAClosedForm) {
    // Two degrees of freedom: the tail is e^(-x/2), so the bound of a tiny tail is -2 ln p; one
    // degree: erfc(sqrt(x/2)). Both far out, where the checks' bounds lie.
    for (double p : {1e-3, 2.5e-8, 1e-12}) {
        EXPECT_NEAR(chiSquareCriticalValue(2, p), -2.0 * std::log(p), 1e-9) << p;
    }
    for (double x : {0.5, 3.0, 30.0, 80.0}) {
        const double exact = std::erfc(std::sqrt(x / 2.0));
        EXPECT_NEAR(chiSquareUpperTail(1, x) / exact, 1.0, 1e-12) << x;
        EXPECT_NEAR(regularizedUpperGamma(1.0, x), std::exp(-x), 1e-14 * std::exp(-x) + 1e-16) << x;
    }
    EXPECT_EQ(regularizedUpperGamma(3.5, 0.0), 1.0);
}

}  // namespace
}  // namespace pelora::testing
