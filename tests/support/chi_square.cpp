#include "chi_square.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace pelora::testing {
namespace {

constexpr double epsilon = std::numeric_limits<double>::epsilon();
constexpr int maxTerms = 1000;

// e^-x x^a / Γ(a), the factor both expansions share, taken through logarithms so that neither
// the power nor the gamma function overflows.
double prefactor(double a, double x) {
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) by its power series, which converges fast below x = a + 1.
double lowerBySeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < maxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * epsilon) {
            return sum * prefactor(a, x);
        }
    }
    throw std::runtime_error("incomplete gamma: the series did not converge");
}

// Q(a, x) by its continued fraction, evaluated with the modified Lentz method; it converges fast
// above x = a + 1 and keeps full relative precision however small Q is.
double upperByContinuedFraction(double a, double x) {
    constexpr double tiny = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double fraction = d;
    for (int n = 1; n < maxTerms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny) {
            d = tiny;
        }
        c = b + an / c;
        if (std::fabs(c) < tiny) {
            c = tiny;
        }
        d = 1.0 / d;
        const double step = d * c;
        fraction *= step;
        if (std::fabs(step - 1.0) < epsilon) {
            return fraction * prefactor(a, x);
        }
    }
    throw std::runtime_error("incomplete gamma: the continued fraction did not converge");
}

}  // namespace

double regularizedUpperGamma(double a, double x) {
    if (!(a > 0.0) || !(x >= 0.0)) {
        throw std::invalid_argument("incomplete gamma: needs a > 0 and x >= 0");
    }
    if (x == 0.0) {
        return 1.0;
    }
    return x < a + 1.0 ? 1.0 - lowerBySeries(a, x) : upperByContinuedFraction(a, x);
}

double chiSquareUpperTail(int degreesOfFreedom, double x) {
    if (degreesOfFreedom < 1) {
        throw std::invalid_argument("chi-square: needs at least one degree of freedom");
    }
    return regularizedUpperGamma(degreesOfFreedom / 2.0, x / 2.0);
}

double chiSquareCriticalValue(int degreesOfFreedom, double tailProbability) {
    if (!(tailProbability > 0.0 && tailProbability < 1.0)) {
        throw std::invalid_argument("chi-square: the tail probability must lie in (0, 1)");
    }
    // The tail falls as x grows: widen until it is below the probability, then halve.
    double low = 0.0;
    double high = degreesOfFreedom + 10.0;
    while (chiSquareUpperTail(degreesOfFreedom, high) > tailProbability) {
        low = high;
        high *= 2.0;
    }
    while (high - low > 1e-12 * high) {
        const double middle = 0.5 * (low + high);
        if (chiSquareUpperTail(degreesOfFreedom, middle) > tailProbability) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return 0.5 * (low + high);
}

}  // namespace pelora::testing
