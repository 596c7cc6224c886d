#pragma once
// Table-driven checks of a core type through the whole Calculate pipeline:
// field texts in, the label texts that a window would show out.
//
// A row gives the inputs as "A=10 B=6 h=4" (letters not named keep their start
// text), the texts written, space-separated, in the order C1 C2 Le Ae Ve, and the
// failure: "" for none, the letter of a field that does not convert, or the
// arithmetic failure "/0", "ln", "sqrt", "overflow", prefixed "derive " when it
// happened while deriving Le, Ae and Ve from the displayed C1 and C2.

#include <gtest/gtest.h>

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation.hpp"
#include "cores/descriptor.hpp"

namespace ferricalc::testing_support {

struct CoreCase {
    const char* name;
    const CoreDescriptor* core;
    const char* inputs;
    const char* shown;
    const char* failure = "";
};

inline void PrintTo(const CoreCase& c, std::ostream* os) { *os << c.name << " [" << c.inputs << "]"; }

// Runs one calculation with `inputs` ("A=10 B=6") over the core's start texts.
Calculation runCase(const CoreDescriptor& core, std::string_view inputs, std::string_view separator = ".");

// The dimensions that `inputs` ("A=10 B=6") give, in the core's field order; a
// letter not named is 0.
std::vector<double> dimensionsOf(const CoreDescriptor& core, std::string_view inputs);

// The written texts joined by single spaces.
std::string shownTexts(const Calculation& calculation);

// The failure in the table's short form.
std::string failureCode(const CoreDescriptor& core, const Calculation& calculation);

class CoreExamples : public testing::TestWithParam<CoreCase> {};

std::string caseName(const testing::TestParamInfo<CoreCase>& info);

// Every core's table, for the programs that hold another build to the same
// texts (tests/web/ writes them for the WebAssembly module).
const std::vector<std::span<const CoreCase>>& coreCaseTables();
bool listCoreCases(std::span<const CoreCase> table);

// A core's table as tests, and listed among coreCaseTables().
#define FERRICALC_CORE_EXAMPLES(Family, table)                                                                         \
    INSTANTIATE_TEST_SUITE_P(Family, CoreExamples, testing::ValuesIn(table), caseName);                               \
    [[maybe_unused]] const bool Family##Listed = listCoreCases(table)

}  // namespace ferricalc::testing_support
