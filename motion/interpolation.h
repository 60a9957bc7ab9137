// The interpolation curves: elapsed time of a run -> progress. Penner's easing equations in
// 32-bit arguments and results, with the arithmetic in between carried in double precision and
// every intermediate quantity stored as a float before it is tested or used.
#pragma once

#include <cstdint>

namespace pelora {

enum class TInterpolationType : std::int32_t {
    Linear,
    Quadratic,
    Cubic,
    Quartic,
    Quintic,
    Sinusoidal,
    Exponential,
    Circular,
    Elastic,
    Back,
    Bounce,
};

enum class TAnimationType : std::int32_t { In, Out, InOut };

// t: elapsed, b: value at the start, c: change, d: duration. Each returns b at t = 0 and b + c
// at t = d; a variant out of range gives 0.
float InterpolateLinear(float t, float b, float c, float d);
float InterpolateQuad(float t, float b, float c, float d, TAnimationType type);
float InterpolateCubic(float t, float b, float c, float d, TAnimationType type);
float InterpolateQuart(float t, float b, float c, float d, TAnimationType type);
float InterpolateQuint(float t, float b, float c, float d, TAnimationType type);
float InterpolateSine(float t, float b, float c, float d, TAnimationType type);
float InterpolateExpo(float t, float b, float c, float d, TAnimationType type);
float InterpolateCirc(float t, float b, float c, float d, TAnimationType type);
// a: amplitude, p: period; 0 selects the default of each.
float InterpolateElastic(float t, float b, float c, float d, float a, float p, TAnimationType type);
// s: overshoot; 0 selects 1.70158.
float InterpolateBack(float t, float b, float c, float d, float s, TAnimationType type);
float InterpolateBounce(float t, float b, float c, float d, TAnimationType type);

// Progress of a run of the given kind and variant after `elapsed` of `duration` (b = 0, c = 1,
// defaults for a, p and s). 0 when the duration is not above 0 or the kind is out of range.
float InterpolationProgress(TInterpolationType kind, TAnimationType type, float elapsed,
                            float duration);

}  // namespace pelora
