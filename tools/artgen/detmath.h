// Sine, cosine and exponential built from + - * / alone: the C library's versions may differ
// in the last bit between systems, and the drawn files must come out byte for byte the same.
#pragma once

namespace artgen {

constexpr double PI = 3.14159265358979323846;

double Sin(double x);
double Cos(double x);
double Exp(double x);

}  // namespace artgen
