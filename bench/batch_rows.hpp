#pragma once
// Rows of realistic ring cores for timing a batch: outer diameters of 5 to
// 100 mm, inner diameters 40 to 80 % of them, heights of 2 to 30 mm, all to
// two decimals as a data sheet gives them. The same seed gives the same rows.

#include <charconv>
#include <cstddef>
#include <random>
#include <string>

namespace ferricalc::bench {

inline constexpr std::string_view kRingHeader = "core,A,B,h,r3,a,b\n";

// Appends `count` ring rows to `csv`.
inline void appendRingRows(std::string& csv, std::size_t count, unsigned seed = 7)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> outer(5.0, 100.0);
    std::uniform_real_distribution<double> innerShare(0.4, 0.8);
    std::uniform_real_distribution<double> height(2.0, 30.0);
    const auto appendDimension = [&csv](double millimetres) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, millimetres, std::chars_format::fixed, 2).ptr;
        csv.append(digits, end);
    };
    for (std::size_t row = 0; row < count; ++row) {
        const double a = outer(random);
        csv += "ring,";
        appendDimension(a);
        csv += ',';
        appendDimension(a * innerShare(random));
        csv += ',';
        appendDimension(height(random));
        csv += ",0,0,0\n";
    }
}

}  // namespace ferricalc::bench
