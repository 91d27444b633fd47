#include "tools/artgen/detmath.h"

#include <cmath>

namespace artgen {

namespace {
// Taylor series on [-pi/2, pi/2]; the first omitted term is below 3e-12 there.
double sin_near_zero(double x) {
    const double x2 = x * x;
    double term = x, sum = x;
    for (int n = 1; n <= 8; ++n) {
        term = -term * x2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}
}  // namespace

double Sin(double x) {
    // floor is exact, so the reduction is the same everywhere.
    x -= 2 * PI * std::floor(x / (2 * PI) + 0.5);  // now in [-pi, pi]
    if (x > PI / 2) x = PI - x;
    if (x < -PI / 2) x = -PI - x;
    return sin_near_zero(x);
}

double Cos(double x) { return Sin(x + PI / 2); }

double Exp(double x) {
    const double LN2 = 0.69314718055994530942;
    const double k = std::floor(x / LN2 + 0.5);
    const double r = x - k * LN2;  // |r| <= ln 2 / 2
    double term = 1, sum = 1;
    for (int n = 1; n <= 16; ++n) {
        term = term * r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));  // scaling by a power of two is exact
}

}  // namespace artgen
