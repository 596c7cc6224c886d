#pragma once
// Checked arithmetic for the core geometries.
//
// A core formula must never let an infinity or a NaN through to a label: a zero
// section, the logarithm of a non-positive ratio or the square root of a
// negative radicand is a failure of the calculation, detected at the operation
// that meets it. `Real` wraps a finite double; every operator and function on it
// checks its result and throws `ArithmeticFailure` on the first bad step, so a
// formula reads like the mathematics and still stops where the arithmetic does.

#include <cmath>
#include <limits>

namespace ferricalc {

enum class ArithmeticError {
    None,
    DivisionByZero,
    LogOfNonPositive,
    SqrtOfNegative,
    Overflow,
};

struct ArithmeticFailure {
    ArithmeticError error;
};

class Real {
public:
    constexpr Real() = default;
    // Implicit on purpose: decimal constants of a formula mix with measured values.
    constexpr Real(double value) : m_value(value) {}  // NOLINT(google-explicit-constructor)

    constexpr double value() const { return m_value; }

    friend Real operator+(Real a, Real b) { return finite(a.m_value + b.m_value); }
    friend Real operator-(Real a, Real b) { return finite(a.m_value - b.m_value); }
    friend Real operator*(Real a, Real b) { return finite(a.m_value * b.m_value); }
    friend Real operator/(Real a, Real b)
    {
        if (b.m_value == 0.0)
            throw ArithmeticFailure{ArithmeticError::DivisionByZero};
        return finite(a.m_value / b.m_value);
    }
    friend Real operator-(Real a) { return Real(-a.m_value); }

    Real& operator+=(Real b) { return *this = *this + b; }

    friend bool operator==(Real a, Real b) { return a.m_value == b.m_value; }
    friend auto operator<=>(Real a, Real b) { return a.m_value <=> b.m_value; }

    // Every intermediate is finite: an overflow is met where it happens.
    static Real finite(double value)
    {
        if (!std::isfinite(value))
            throw ArithmeticFailure{ArithmeticError::Overflow};
        return Real(value);
    }

private:
    double m_value = 0.0;
};

// Runs `body`, which computes with Real; the failure that ended it, or None.
template <typename Body>
ArithmeticError runChecked(Body&& body)
{
    try {
        body();
    } catch (const ArithmeticFailure& failure) {
        return failure.error;
    }
    return ArithmeticError::None;
}

inline Real ln(Real x)
{
    if (x.value() <= 0.0)
        throw ArithmeticFailure{ArithmeticError::LogOfNonPositive};
    return Real::finite(std::log(x.value()));
}

inline Real sqrt(Real x)
{
    if (x.value() < 0.0)
        throw ArithmeticFailure{ArithmeticError::SqrtOfNegative};
    return Real(std::sqrt(x.value()));
}

inline Real tan(Real radians) { return Real::finite(std::tan(radians.value())); }
inline Real cos(Real radians) { return Real(std::cos(radians.value())); }
inline Real atan(Real x) { return Real(std::atan(x.value())); }
inline Real atan2(Real y, Real x) { return Real(std::atan2(y.value(), x.value())); }
inline Real abs(Real x) { return Real(std::fabs(x.value())); }

// Rounds to the nearest IEEE 754 single-precision value, as a float variable
// would hold it; a value beyond the float range overflows.
inline Real toSingle(Real x)
{
    if (std::fabs(x.value()) > static_cast<double>(std::numeric_limits<float>::max()))
        throw ArithmeticFailure{ArithmeticError::Overflow};
    return Real(static_cast<double>(static_cast<float>(x.value())));
}

}  // namespace ferricalc
