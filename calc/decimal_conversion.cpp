#include "calc/decimal_conversion.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ferricalc {

namespace {

// An unsigned integer of up to 4096 bits in 32-bit limbs, least significant
// first. The largest numbers met below: a text's 781 kept digits shifted
// against 10^1104 (for a value near the smallest subnormal), some 3,750 bits.
class BigUnsigned {
public:
    explicit BigUnsigned(std::uint64_t value = 0)
    {
        while (value != 0) {
            m_limbs[m_size++] = static_cast<std::uint32_t>(value);
            value >>= 32;
        }
    }

    bool isZero() const { return m_size == 0; }

    int bitLength() const
    {
        return m_size == 0 ? 0 : static_cast<int>(32 * (m_size - 1)) + std::bit_width(m_limbs[m_size - 1]);
    }

    // this = this·factor + addend
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::size_t i = 0; i < m_size; ++i) {
            carry += static_cast<std::uint64_t>(m_limbs[i]) * factor;
            m_limbs[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0 && m_size < kLimbs)
            m_limbs[m_size++] = static_cast<std::uint32_t>(carry);
    }

    // this = this·base^exponent, for a base whose powers up to `chunk` fit 32 bits
    void multiplyByPower(std::uint32_t base, int exponent)
    {
        const int chunk = base == 10 ? 9 : 13;  // 10^9 and 5^13 are the largest below 2^32
        std::uint32_t chunkPower = 1;
        for (int i = 0; i < chunk; ++i)
            chunkPower *= base;
        for (; exponent >= chunk; exponent -= chunk)
            multiplyAdd(chunkPower, 0);
        std::uint32_t rest = 1;
        for (int i = 0; i < exponent; ++i)
            rest *= base;
        if (rest != 1)
            multiplyAdd(rest, 0);
    }

    void shiftLeft(int bits)
    {
        if (m_size == 0 || bits <= 0)
            return;
        const auto limbs = static_cast<std::size_t>(bits / 32);
        const int within = bits % 32;
        const std::size_t size = std::min(m_size + limbs + 1, kLimbs);
        for (std::size_t i = size; i-- > 0;) {
            const std::uint64_t high = i >= limbs && i - limbs < m_size ? m_limbs[i - limbs] : 0;
            const std::uint64_t low = i >= limbs + 1 && i - limbs - 1 < m_size ? m_limbs[i - limbs - 1] : 0;
            m_limbs[i] = static_cast<std::uint32_t>(((high << 32 | low) << within) >> 32);
        }
        m_size = size;
        trim();
    }

    void shiftRightOne()
    {
        for (std::size_t i = 0; i < m_size; ++i) {
            const std::uint32_t next = i + 1 < m_size ? m_limbs[i + 1] : 0;
            m_limbs[i] = (m_limbs[i] >> 1) | (next << 31);
        }
        trim();
    }

    // this = this − other, where other ≤ this
    void subtract(const BigUnsigned& other)
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < m_size; ++i) {
            std::int64_t difference = static_cast<std::int64_t>(m_limbs[i]) - borrow
                                      - (i < other.m_size ? static_cast<std::int64_t>(other.m_limbs[i]) : 0);
            borrow = difference < 0 ? 1 : 0;
            m_limbs[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        trim();
    }

    // this = this / divisor; returns the remainder
    std::uint32_t divide(std::uint32_t divisor)
    {
        std::uint64_t remainder = 0;
        for (std::size_t i = m_size; i-- > 0;) {
            const std::uint64_t current = remainder << 32 | m_limbs[i];
            m_limbs[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

    // The 64 bits from bit `position` upwards.
    std::uint64_t bitsFrom(int position) const
    {
        std::uint64_t bits = 0;
        for (int i = 63; i >= 0; --i)
            bits = bits << 1 | bit(position + i);
        return bits;
    }

    bool anyBitBelow(int position) const
    {
        for (int i = 0; i < position; ++i)
            if (bit(i) != 0)
                return true;
        return false;
    }

    friend int compare(const BigUnsigned& a, const BigUnsigned& b)
    {
        if (a.m_size != b.m_size)
            return a.m_size < b.m_size ? -1 : 1;
        for (std::size_t i = a.m_size; i-- > 0;)
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        return 0;
    }

private:
    static constexpr std::size_t kLimbs = 128;

    std::uint64_t bit(int position) const
    {
        const auto limb = static_cast<std::size_t>(position / 32);
        return limb < m_size ? (m_limbs[limb] >> (position % 32)) & 1 : 0;
    }

    void trim()
    {
        while (m_size > 0 && m_limbs[m_size - 1] == 0)
            --m_size;
    }

    std::array<std::uint32_t, kLimbs> m_limbs{};
    std::size_t m_size = 0;
};

// (q + f)·2^exponent rounded to the nearest double, a tie to even, where
// 0 ≤ f < 1 and f > 0 exactly when `inexact`. An inexact q must carry at least
// two bits more than the double keeps, so that f lies below its rounding bit.
double roundToDouble(std::uint64_t q, int exponent, bool inexact)
{
    if (q == 0)
        return 0.0;
    const int length = std::bit_width(q);
    const int top = length - 1 + exponent;  // the binary exponent of the leading bit
    if (top > std::numeric_limits<double>::max_exponent - 1)
        return std::numeric_limits<double>::infinity();
    // 53 bits for a normal double; a subnormal keeps those down to 2^-1074.
    const int keep = std::min(53, top + 1075);
    if (keep < 0)
        return 0.0;
    const int drop = length - keep;
    if (drop <= 0)
        return std::ldexp(static_cast<double>(q), exponent);
    std::uint64_t mantissa = drop >= 64 ? 0 : q >> drop;
    const std::uint64_t rest = drop >= 64 ? q : q & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    if (rest > half || (rest == half && (inexact || (mantissa & 1) != 0)))
        ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), exponent + drop);
}

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Significant digits beyond these cannot move the rounding: a point half-way
// between two doubles has at most 767 of them, so the digits kept and one more
// that stands for any non-zero digit dropped order the value against every
// such point as the whole text does.
constexpr int kKeptDigits = 780;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// |value| = digits·10^exponent, rounded to the nearest double.
double nearestToDigits(std::span<const std::uint8_t> digits, long long exponent)
{
    const auto count = static_cast<long long>(digits.size());
    if (count == 0 || count + exponent <= -324)  // below 10^-324, under half the smallest subnormal
        return 0.0;
    if (count + exponent > 309)  // at least 10^309
        return std::numeric_limits<double>::infinity();

    if (count <= 15 && exponent >= -22 && exponent <= 22) {
        // The digits and the power of ten are doubles exactly: one correctly
        // rounded operation gives the nearest double.
        std::uint64_t whole = 0;
        for (const std::uint8_t digit : digits)
            whole = whole * 10 + digit;
        const double mantissa = static_cast<double>(whole);
        return exponent >= 0 ? mantissa * kExactPowersOfTen[exponent] : mantissa / kExactPowersOfTen[-exponent];
    }

    BigUnsigned number;
    for (std::size_t i = 0; i < digits.size(); i += 9) {
        std::uint32_t chunk = 0;
        std::uint32_t scale = 1;
        for (std::size_t j = i; j < std::min(i + 9, digits.size()); ++j) {
            chunk = chunk * 10 + digits[j];
            scale *= 10;
        }
        number.multiplyAdd(scale, chunk);
    }
    if (exponent >= 0) {
        number.multiplyByPower(10, static_cast<int>(exponent));
        const int length = number.bitLength();
        if (length <= 64)
            return roundToDouble(number.bitsFrom(0), 0, false);
        return roundToDouble(number.bitsFrom(length - 64), length - 64, number.anyBitBelow(length - 64));
    }

    // digits / 10^-exponent: 64 bits of the quotient, scaled by 2^shift to lie
    // in [2^62, 2^64), by restoring division, and whether a remainder is left.
    BigUnsigned divisor(1);
    divisor.multiplyByPower(10, static_cast<int>(-exponent));
    const int shift = 63 - (number.bitLength() - divisor.bitLength());
    if (shift >= 0)
        number.shiftLeft(shift);
    else
        divisor.shiftLeft(-shift);
    divisor.shiftLeft(63);
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (compare(number, divisor) >= 0) {
            number.subtract(divisor);
            quotient |= std::uint64_t{1} << bit;
        }
        divisor.shiftRightOne();
    }
    return roundToDouble(quotient, -shift, !number.isZero());
}

// The decimal digits of an unsigned big number, most significant first.
std::string_view decimalDigits(BigUnsigned number, std::span<char> buffer)
{
    std::size_t start = buffer.size();
    do {
        std::uint32_t chunk = number.divide(1'000'000'000);
        for (int i = 0; i < 9 && start > 0; ++i) {
            buffer[--start] = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    } while (!number.isZero() && start > 0);
    while (start + 1 < buffer.size() && buffer[start] == '0')
        ++start;
    return {buffer.data() + start, buffer.size() - start};
}

// A finite double's magnitude as mantissa·2^exponent.
struct BinaryValue {
    std::uint64_t mantissa;
    int exponent;
};

BinaryValue binaryValue(double value)
{
    const auto bits = doubleBits(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0)
        return {fraction, -1074};
    return {fraction | (std::uint64_t{1} << 52), biased - 1075};
}

// The text digits·10^exponent as nearestDouble reads it.
std::string scientific(std::string_view digits, long long exponent)
{
    return std::string(digits) + 'e' + std::to_string(exponent);
}

// Digits (no sign, no leading zeros) times 10^exponent, written without exponent.
std::string fixedLayout(std::string digits, long long exponent)
{
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (exponent >= 0)
        return digits.append(static_cast<std::size_t>(exponent), '0');
    const auto fractionDigits = static_cast<std::size_t>(-exponent);
    if (fractionDigits >= digits.size())
        return "0." + std::string(fractionDigits - digits.size(), '0') + digits;
    digits.insert(digits.size() - fractionDigits, 1, '.');
    return digits;
}

// Adds one to a string of decimal digits.
std::string incremented(std::string digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return '1' + digits;
}

}  // namespace

std::optional<double> nearestDouble(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        ++pos;

    std::array<std::uint8_t, kKeptDigits + 1> digits;  // written before read
    std::size_t count = 0;
    long long exponent = 0;  // |value| = digits·10^exponent
    bool anyDigit = false;
    bool point = false;
    bool droppedNonZero = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c))
            break;
        anyDigit = true;
        if (count == 0 && c == '0') {
            exponent -= point ? 1 : 0;
        } else if (count < kKeptDigits) {
            digits[count++] = static_cast<std::uint8_t>(c - '0');
            exponent -= point ? 1 : 0;
        } else {
            droppedNonZero = droppedNonZero || c != '0';
            exponent += point ? 0 : 1;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (pos < text.size()) {
        if (text[pos] != 'e' && text[pos] != 'E')
            return std::nullopt;
        ++pos;
        const bool exponentNegative = pos < text.size() && text[pos] == '-';
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            ++pos;
        if (pos == text.size())
            return std::nullopt;
        long long written = 0;
        for (; pos < text.size(); ++pos) {
            if (!isDigit(text[pos]))
                return std::nullopt;
            written = std::min<long long>(written * 10 + (text[pos] - '0'), 1'000'000'000);
        }
        exponent += exponentNegative ? -written : written;
    }
    if (droppedNonZero) {
        digits[count++] = 1;
        --exponent;
    }
    const double magnitude = nearestToDigits(std::span(digits.data(), count), exponent);
    return negative ? -magnitude : magnitude;
}

std::string_view wholeNumberDigits(double wholeNumber, std::span<char, 320> buffer)
{
    const BinaryValue binary = binaryValue(wholeNumber);
    BigUnsigned number(binary.mantissa);
    if (binary.exponent >= 0)
        number.shiftLeft(binary.exponent);
    else  // a whole number below 2^53: the dropped bits are zeros
        number = BigUnsigned(binary.mantissa >> std::min(-binary.exponent, 63));
    return decimalDigits(number, buffer);
}

namespace {

// The fewest significant digits that read back as a positive finite `magnitude`,
// digits·10^exponent; of several equally short ones the nearest, at an exact
// half the even one.
struct DecimalDigits {
    std::string digits;  // no leading zero
    long long exponent;
};

DecimalDigits shortestDigits(double magnitude)
{
    // The exact decimal value: mantissa·2^exponent = mantissa·5^-exponent·10^exponent.
    const BinaryValue binary = binaryValue(magnitude);
    BigUnsigned scaled(binary.mantissa);
    long long exponent = 0;
    if (binary.exponent >= 0) {
        scaled.shiftLeft(binary.exponent);
    } else {
        scaled.multiplyByPower(5, -binary.exponent);
        exponent = binary.exponent;
    }
    char expansion[800];
    const std::string_view exact = decimalDigits(scaled, expansion);

    const auto unitExponentAt = [&](std::size_t precision) {
        return exponent + static_cast<long long>(exact.size() - precision);
    };
    // Whether the exact value rounds up at `precision` digits: past the half, or at an exact
    // half when the last kept digit is odd.
    const auto roundsUp = [&](std::size_t precision) {
        const std::string_view rest = exact.substr(precision);
        const bool overHalf =
            rest.front() > '5' || (rest.front() == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        const bool half = rest.front() == '5' && !overHalf;
        return overHalf || (half && (exact[precision - 1] - '0') % 2 == 1);
    };

    const auto reads = [&](const std::string& digits, long long unitExponent) {
        return nearestDouble(scientific(digits, unitExponent)) == magnitude;
    };
    // Of a normal double half an ulp is more than half a unit in the 17th significant digit and
    // less than half a unit in the 15th. So the value rounded to 17 digits always reads back, and
    // a shortest text of at most 15 digits is the value rounded to 15 digits without its trailing
    // zeros: one reading settles most values before the search digit by digit, which then starts
    // at 15. (A subnormal has fewer bits, and takes the search from the start.)
    const bool normal = magnitude >= std::numeric_limits<double>::min();
    std::size_t first = 1;
    if (constexpr std::size_t kSafeDigits = 15; normal && exact.size() > kSafeDigits) {
        const std::string lower(exact.substr(0, kSafeDigits));
        DecimalDigits rounded{roundsUp(kSafeDigits) ? incremented(lower) : lower, unitExponentAt(kSafeDigits)};
        if (reads(rounded.digits, rounded.exponent)) {
            while (rounded.digits.size() > 1 && rounded.digits.back() == '0') {
                rounded.digits.pop_back();
                ++rounded.exponent;
            }
            return rounded;
        }
        first = kSafeDigits;
    }

    // At each precision the nearer of the two neighbours when it reads (at an exact half the even
    // one), else the other when that one does.
    for (std::size_t precision = first; precision < exact.size(); ++precision) {
        const std::string lower(exact.substr(0, precision));
        const std::string upper = incremented(lower);
        const bool up = roundsUp(precision);
        const long long unitExponent = unitExponentAt(precision);
        if ((normal && precision == 17) || reads(up ? upper : lower, unitExponent))
            return {up ? upper : lower, unitExponent};
        if (reads(up ? lower : upper, unitExponent))
            return {up ? lower : upper, unitExponent};
    }
    return {std::string(exact), exponent};
}

// The sign, and the text of a value that has no digits to write; empty otherwise.
std::string specialText(double value)
{
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        return sign + "nan";
    if (std::isinf(value))
        return sign + "inf";
    if (value == 0.0)
        return sign + "0";
    return {};
}

}  // namespace

std::string shortestFixed(double value)
{
    if (std::string special = specialText(value); !special.empty())
        return special;
    const std::string sign = std::signbit(value) ? "-" : "";
    // At 2^53 and beyond a double is a whole number, and each of its fixed texts
    // has as many characters as its exact integer digits: those, being exact, are
    // the nearest.
    char buffer[320];
    if (std::fabs(value) >= 9007199254740992.0)
        return sign + std::string(wholeNumberDigits(value, buffer));
    const DecimalDigits shortest = shortestDigits(std::fabs(value));
    return sign + fixedLayout(shortest.digits, shortest.exponent);
}

std::string shortestText(double value)
{
    if (std::string special = specialText(value); !special.empty())
        return special;
    // d.ddde±XX, the exponent of at least two digits.
    DecimalDigits shortest = shortestDigits(std::fabs(value));
    while (shortest.digits.size() > 1 && shortest.digits.back() == '0') {
        shortest.digits.pop_back();
        ++shortest.exponent;
    }
    const long long leading = shortest.exponent + static_cast<long long>(shortest.digits.size()) - 1;
    std::string scientificText = std::signbit(value) ? "-" : "";
    scientificText += shortest.digits.front();
    if (shortest.digits.size() > 1)
        scientificText += '.' + shortest.digits.substr(1);
    const std::string exponentDigits = std::to_string(leading < 0 ? -leading : leading);
    scientificText += std::string(leading < 0 ? "e-" : "e+") + (exponentDigits.size() < 2 ? "0" : "") + exponentDigits;
    // The shorter of the two; the fixed one when they are as long.
    std::string fixedText = shortestFixed(value);
    return scientificText.size() < fixedText.size() ? scientificText : fixedText;
}

}  // namespace ferricalc
