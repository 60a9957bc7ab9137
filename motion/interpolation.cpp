#include "interpolation.h"

#include <cmath>
#include <numbers>

namespace pelora {
namespace {

constexpr double kPi = std::numbers::pi;

double wide(float x) {
    return static_cast<double>(x);
}

// Every named quantity of a curve (u, v, h, g and the defaults of p, s and a) is kept at
// float precision, so that its tests against 0, 1 and 2 are made on the values a float
// implementation would see.
double stored(double x) {
    return wide(static_cast<float>(x));
}

// b + c * f, rounded once.
float scaled(float b, float c, double f) {
    return static_cast<float>(wide(b) + wide(c) * f);
}

double square(double x) {
    return x * x;
}

// One kind of the Penner family as three shapes: progress against u for In and Out, against
// h (the time in half runs, 0..2) for InOut.
struct Shape {
    double (*in)(double u);
    double (*out)(double u);
    double (*inOut)(double h);
};

float ease(float t, float b, float c, float d, TAnimationType type, const Shape& shape) {
    switch (type) {
        case TAnimationType::In:
            return scaled(b, c, shape.in(stored(wide(t) / wide(d))));
        case TAnimationType::Out:
            return scaled(b, c, shape.out(stored(wide(t) / wide(d))));
        case TAnimationType::InOut:
            return scaled(b, c, shape.inOut(stored(wide(t) / (wide(d) / 2))));
    }
    return 0.0f;
}

constexpr Shape kQuadratic{
    [](double u) { return u * u; },
    [](double u) { return -u * (u - 2); },
    [](double h) {
        if (h < 1) {
            return h * h / 2;
        }
        const double g = stored(h - 1);
        return -(g * (g - 2) - 1) / 2;
    },
};

constexpr Shape kCubic{
    [](double u) { return u * u * u; },
    [](double u) { return (u - 1) * (u - 1) * (u - 1) + 1; },
    [](double h) {
        if (h < 1) {
            return h * h * h / 2;
        }
        const double g = stored(h - 2);
        return (g * g * g + 2) / 2;
    },
};

constexpr Shape kQuartic{
    [](double u) { return square(u * u); },
    [](double u) { return 1 - square((u - 1) * (u - 1)); },
    [](double h) {
        if (h < 1) {
            return square(h * h) / 2;
        }
        const double g = stored(h - 2);
        return -(square(g * g) - 2) / 2;
    },
};

constexpr Shape kQuintic{
    [](double u) { return square(u * u) * u; },
    [](double u) { return square((u - 1) * (u - 1)) * (u - 1) + 1; },
    [](double h) {
        if (h < 1) {
            return square(h * h) * h / 2;
        }
        const double g = stored(h - 2);
        return (square(g * g) * g + 2) / 2;
    },
};

constexpr Shape kCircular{
    [](double u) { return 1 - std::sqrt(1 - u * u); },
    [](double u) { return std::sqrt(1 - (u - 1) * (u - 1)); },
    [](double h) {
        if (h < 1) {
            return -(std::sqrt(1 - h * h) - 1) / 2;
        }
        const double g = stored(h - 2);
        return (std::sqrt(1 - g * g) + 1) / 2;
    },
};

// The bounce of Out: four parabolas of curvature 7.5625 (2.75 squared) that meet at the value
// 1 at 1/2.75, 2/2.75 and 2.5/2.75, each lower bounce a quarter of the height of the one
// before.
double bounceOut(double u) {
    constexpr double kCurvature = 7.5625;
    if (u < 1 / 2.75) {
        return kCurvature * u * u;
    }
    if (u < 2 / 2.75) {
        return kCurvature * square(u - 1.5 / 2.75) + 0.75;
    }
    if (u < 2.5 / 2.75) {
        return kCurvature * square(u - 2.25 / 2.75) + 0.9375;
    }
    return kCurvature * square(u - 2.625 / 2.75) + 0.984375;
}

constexpr Shape kBounce{
    [](double u) { return 1 - bounceOut(1 - u); },
    bounceOut,
    [](double h) {
        if (h < 1) {
            return (1 - bounceOut(1 - h)) / 2;
        }
        return bounceOut(h - 1) / 2 + 0.5;
    },
};

// Sinusoidal and Exponential take t / d at full precision: they never test it against 0 or 1.
double sineIn(double u) {
    // cos(pi/2) is 6e-17 in double, not 0; the sine of the time left is exactly 0 at the end
    // of the run, so the last frame is exactly b + c.
    return 1 - std::sin((1 - u) * kPi / 2);
}

double sineProgress(float t, float d, TAnimationType type) {
    const double u = wide(t) / wide(d);
    switch (type) {
        case TAnimationType::In:
            return sineIn(u);
        case TAnimationType::Out:
            return std::sin(u * kPi / 2);
        case TAnimationType::InOut:
            return -(std::cos(kPi * u) - 1) / 2;
    }
    return 0.0;
}

double expoInOut(float t, float d) {
    if (t == 0) {
        return 0.0;
    }
    if (t == d) {
        return 1.0;
    }
    const double h = stored(wide(t) / (wide(d) / 2));
    if (h < 1) {
        return std::pow(2.0, 10 * (h - 1)) / 2;
    }
    return (2 - std::pow(2.0, -10 * (h - 1))) / 2;
}

// The ends are tested on t itself, before any division: 2^-10 is not 0.
double expoProgress(float t, float d, TAnimationType type) {
    const double u = wide(t) / wide(d);
    switch (type) {
        case TAnimationType::In:
            return t == 0 ? 0.0 : std::pow(2.0, 10 * (u - 1));
        case TAnimationType::Out:
            return t == d ? 1.0 : 1 - std::pow(2.0, -10 * u);
        case TAnimationType::InOut:
            return expoInOut(t, d);
    }
    return 0.0;
}

bool isVariant(TAnimationType type) {
    return type == TAnimationType::In || type == TAnimationType::Out ||
           type == TAnimationType::InOut;
}

// Amplitude, period and phase shift of an elastic run.
struct Spring {
    double amplitude;
    double period;
    double shift;
};

// With no amplitude, or one too small to reach the change, the spring swings by the change
// itself and starts a quarter period late.
Spring springFor(float c, float d, float a, float p, double periodPerDuration) {
    const double period = p == 0 ? stored(periodPerDuration * wide(d)) : wide(p);
    if (a == 0 || a < std::fabs(c)) {
        return {wide(c), period, stored(period / 4)};
    }
    return {wide(a), period, stored(std::asin(wide(c) / wide(a)) * period / (2 * kPi))};
}

// The spring's swing a * 2^decay * sin((x d - s) 2pi / p) at x, in units of the duration.
double swing(const Spring& spring, double decay, double x, float d) {
    return spring.amplitude * std::pow(2.0, decay) *
           std::sin((x * wide(d) - spring.shift) * 2 * kPi / spring.period);
}

float elasticIn(float t, float b, float c, float d, float a, float p) {
    const double u = stored(wide(t) / wide(d));
    if (u == 1) {
        return scaled(b, c, 1.0);
    }
    const Spring spring = springFor(c, d, a, p, 0.3);
    const double v = stored(u - 1);
    return static_cast<float>(wide(b) - swing(spring, 10 * v, v, d));
}

float elasticOut(float t, float b, float c, float d, float a, float p) {
    const double u = stored(wide(t) / wide(d));
    if (u == 1) {
        return scaled(b, c, 1.0);
    }
    const Spring spring = springFor(c, d, a, p, 0.3);
    return static_cast<float>(wide(b) + wide(c) + swing(spring, -10 * u, u, d));
}

float elasticInOut(float t, float b, float c, float d, float a, float p) {
    const double h = stored(wide(t) / (wide(d) / 2));
    if (h == 2) {
        return scaled(b, c, 1.0);
    }
    const Spring spring = springFor(c, d, a, p, 0.45);
    const double g = stored(h - 1);
    if (h < 1) {
        return static_cast<float>(wide(b) - 0.5 * swing(spring, 10 * g, g, d));
    }
    return static_cast<float>(wide(b) + wide(c) + 0.5 * swing(spring, -10 * g, g, d));
}

double backIn(double u, double s) {
    return u * u * ((s + 1) * u - s);
}

double backOut(double u, double s) {
    const double v = stored(u - 1);
    return v * v * ((s + 1) * v + s) + 1;
}

double backInOut(double h, double s) {
    const double overshoot = 1.525 * s;
    if (h < 1) {
        return h * h * ((overshoot + 1) * h - overshoot) / 2;
    }
    const double g = stored(h - 2);
    return (g * g * ((overshoot + 1) * g + overshoot) + 2) / 2;
}

}  // namespace

float InterpolateLinear(float t, float b, float c, float d) {
    return static_cast<float>(wide(c) * wide(t) / wide(d) + wide(b));
}

float InterpolateQuad(float t, float b, float c, float d, TAnimationType type) {
    return ease(t, b, c, d, type, kQuadratic);
}

float InterpolateCubic(float t, float b, float c, float d, TAnimationType type) {
    return ease(t, b, c, d, type, kCubic);
}

float InterpolateQuart(float t, float b, float c, float d, TAnimationType type) {
    return ease(t, b, c, d, type, kQuartic);
}

float InterpolateQuint(float t, float b, float c, float d, TAnimationType type) {
    return ease(t, b, c, d, type, kQuintic);
}

float InterpolateSine(float t, float b, float c, float d, TAnimationType type) {
    return isVariant(type) ? scaled(b, c, sineProgress(t, d, type)) : 0.0f;
}

float InterpolateExpo(float t, float b, float c, float d, TAnimationType type) {
    return isVariant(type) ? scaled(b, c, expoProgress(t, d, type)) : 0.0f;
}

float InterpolateCirc(float t, float b, float c, float d, TAnimationType type) {
    return ease(t, b, c, d, type, kCircular);
}

float InterpolateElastic(float t, float b, float c, float d, float a, float p,
                         TAnimationType type) {
    if (!isVariant(type)) {
        return 0.0f;
    }
    if (t == 0) {
        return b;
    }
    switch (type) {
        case TAnimationType::In:
            return elasticIn(t, b, c, d, a, p);
        case TAnimationType::Out:
            return elasticOut(t, b, c, d, a, p);
        case TAnimationType::InOut:
            return elasticInOut(t, b, c, d, a, p);
    }
    return 0.0f;
}

float InterpolateBack(float t, float b, float c, float d, float s, TAnimationType type) {
    constexpr float kDefaultOvershoot = 1.70158f;
    const double overshoot = wide(s == 0 ? kDefaultOvershoot : s);
    switch (type) {
        case TAnimationType::In:
            return scaled(b, c, backIn(stored(wide(t) / wide(d)), overshoot));
        case TAnimationType::Out:
            return scaled(b, c, backOut(stored(wide(t) / wide(d)), overshoot));
        case TAnimationType::InOut:
            return scaled(b, c, backInOut(stored(wide(t) / (wide(d) / 2)), overshoot));
    }
    return 0.0f;
}

float InterpolateBounce(float t, float b, float c, float d, TAnimationType type) {
    return ease(t, b, c, d, type, kBounce);
}

float InterpolationProgress(TInterpolationType kind, TAnimationType type, float elapsed,
                            float duration) {
    if (!(duration > 0)) {
        return 0.0f;
    }
    switch (kind) {
        case TInterpolationType::Linear:
            return InterpolateLinear(elapsed, 0, 1, duration);
        case TInterpolationType::Quadratic:
            return InterpolateQuad(elapsed, 0, 1, duration, type);
        case TInterpolationType::Cubic:
            return InterpolateCubic(elapsed, 0, 1, duration, type);
        case TInterpolationType::Quartic:
            return InterpolateQuart(elapsed, 0, 1, duration, type);
        case TInterpolationType::Quintic:
            return InterpolateQuint(elapsed, 0, 1, duration, type);
        case TInterpolationType::Sinusoidal:
            return InterpolateSine(elapsed, 0, 1, duration, type);
        case TInterpolationType::Exponential:
            return InterpolateExpo(elapsed, 0, 1, duration, type);
        case TInterpolationType::Circular:
            return InterpolateCirc(elapsed, 0, 1, duration, type);
        case TInterpolationType::Elastic:
            return InterpolateElastic(elapsed, 0, 1, duration, 0, 0, type);
        case TInterpolationType::Back:
            return InterpolateBack(elapsed, 0, 1, duration, 0, type);
        case TInterpolationType::Bounce:
            return InterpolateBounce(elapsed, 0, 1, duration, type);
    }
    return 0.0f;
}

}  // namespace pelora
