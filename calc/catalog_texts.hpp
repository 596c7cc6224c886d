#pragma once
// The standard-core catalogue's numbers as the windows and the command line
// write them: published figures as the data sheet prints them, deviations in
// percent with one decimal, and the catalogue's texts in the user's notation.
// No Qt here; the separator is a parameter, as in calc/number_text.

#include <string>
#include <string_view>

namespace ferricalc {

// A published figure as the data sheet prints it: "97.1", "7630" (with a comma
// for a comma separator).
std::string figureText(double value, std::string_view decimalSeparator);

// A deviation in percent with one decimal and its sign: "+1.3", "-0.4", "0.0".
// A tie is taken away from zero, as the display formats do.
std::string deviationText(double percent, std::string_view decimalSeparator);

// A catalogue text, written with a point, in the user's notation: "10.8" is
// "10,8" where the separator is a comma.
std::string catalogText(std::string_view text, std::string_view decimalSeparator);

}  // namespace ferricalc
