#include "core_cases.hpp"

#include <sstream>
#include <vector>

namespace ferricalc::testing_support {

Calculation runCase(const CoreDescriptor& core, std::string_view inputs, std::string_view separator)
{
    std::vector<std::string> texts;
    for (const FieldSpec& field : core.fields)
        texts.emplace_back(field.start == StartText::Zero ? "0" : "");

    std::istringstream words{std::string(inputs)};
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        const std::string letter = word.substr(0, equals);
        bool found = false;
        for (std::size_t i = 0; i < core.fields.size(); ++i) {
            if (core.fields[i].letter == letter) {
                texts[i] = word.substr(equals + 1);
                found = true;
            }
        }
        EXPECT_TRUE(found) << "no field " << letter << " in " << core.name;
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return calculate(core, views, separator);
}

std::vector<double> dimensionsOf(const CoreDescriptor& core, std::string_view inputs)
{
    std::vector<double> dimensions(core.fields.size(), 0.0);
    std::istringstream words{std::string(inputs)};
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        const std::string letter = word.substr(0, equals);
        std::size_t i = 0;
        while (i < core.fields.size() && core.fields[i].letter != letter)
            ++i;
        EXPECT_LT(i, core.fields.size()) << "no field " << letter << " in " << core.name;
        if (i < core.fields.size())
            dimensions[i] = std::stod(word.substr(equals + 1));
    }
    return dimensions;
}

std::string shownTexts(const Calculation& calculation)
{
    std::string joined;
    for (int i = 0; i < calculation.written; ++i) {
        if (i > 0)
            joined += ' ';
        joined += calculation.texts[static_cast<std::size_t>(i)].view();
    }
    return joined;
}

std::string failureCode(const CoreDescriptor& core, const Calculation& calculation)
{
    using Stage = CalculationFailure::Stage;
    const CalculationFailure& failure = calculation.failure;
    switch (failure.stage) {
    case Stage::None:
        return "";
    case Stage::Conversion:
        return std::string(core.fields[static_cast<std::size_t>(failure.field)].letter);
    case Stage::Geometry:
    case Stage::Derivation:
        break;
    }
    std::string code = failure.stage == Stage::Derivation ? "derive " : "";
    switch (failure.error) {
    case ArithmeticError::DivisionByZero:
        return code + "/0";
    case ArithmeticError::LogOfNonPositive:
        return code + "ln";
    case ArithmeticError::SqrtOfNegative:
        return code + "sqrt";
    case ArithmeticError::Overflow:
        return code + "overflow";
    case ArithmeticError::None:
        break;
    }
    return code + "?";
}

std::string caseName(const testing::TestParamInfo<CoreCase>& info) { return info.param.name; }

namespace {

std::vector<std::span<const CoreCase>>& tables()
{
    static std::vector<std::span<const CoreCase>> listed;
    return listed;
}

}  // namespace

const std::vector<std::span<const CoreCase>>& coreCaseTables() { return tables(); }

bool listCoreCases(std::span<const CoreCase> table)
{
    tables().push_back(table);
    return true;
}

TEST_P(CoreExamples, ShowsTheExpectedTexts)
{
    const CoreCase& c = GetParam();
    const Calculation result = runCase(*c.core, c.inputs);
    EXPECT_EQ(shownTexts(result), c.shown);
    EXPECT_EQ(failureCode(*c.core, result), c.failure);
}

}  // namespace ferricalc::testing_support
