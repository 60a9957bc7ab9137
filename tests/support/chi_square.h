// The chi-square law, for the tests that weigh many draws: its upper tail and the critical value
// a test is held to. Plain numerics (the regularised upper incomplete gamma function by its series
// and its continued fraction), so that every bound is computed where it is used, from the
// degrees of freedom and the false-alarm rate, instead of being copied from a table.
#pragma once

namespace pelora::testing {

// Q(a, x) = Γ(a, x) / Γ(a), for a > 0 and x >= 0: about 15 significant digits, also deep in the
// tail.
double regularizedUpperGamma(double a, double x);

// P(X > x) for X chi-square with `degreesOfFreedom`.
double chiSquareUpperTail(int degreesOfFreedom, double x);

// The x whose upper tail is `tailProbability` (0 < p < 1), to a relative 1e-12.
double chiSquareCriticalValue(int degreesOfFreedom, double tailProbability);

}  // namespace pelora::testing
