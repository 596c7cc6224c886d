#pragma once
// Generated batch files for timing.
//
// Ring rows: realistic ring cores, outer diameters of 5 to 100 mm, inner
// diameters 40 to 80 % of them, heights of 2 to 30 mm, all to two decimals as a
// data sheet gives them. The same seed gives the same rows.
//
// Mixed rows: every core type in turn, each row a standard core of the
// catalogue as its window would be filled from the 标准型号 list, under one
// header of every letter; a row leaves the letters its core lacks empty.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "cores/catalog.hpp"
#include "cores/registry.hpp"

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

// The rows of a mixed batch, one per standard core, taken round the core types
// in the selector's order so that every type comes up equally often.
class MixedRows {
public:
    MixedRows()
    {
        for (const CoreDescriptor* core : coreTypes())
            for (const FieldSpec& field : core->fields)
                if (std::find(m_letters.begin(), m_letters.end(), field.letter) == m_letters.end())
                    m_letters.push_back(field.letter);
        std::vector<std::vector<std::string>> byType;
        for (const CoreDescriptor* core : coreTypes()) {
            std::vector<std::string>& rows = byType.emplace_back();
            for (const StandardCore& standard : standardCores(*core))
                rows.push_back(row(*core, standard));
        }
        for (std::size_t turn = 0; m_rows.size() < kCycle; ++turn)
            for (const std::vector<std::string>& rows : byType)
                if (!rows.empty())
                    m_rows.push_back(rows[turn % rows.size()]);
    }

    std::string header() const
    {
        std::string text = "core";
        for (const std::string_view letter : m_letters)
            text.append(",").append(letter);
        return text + "\n";
    }

    // Appends rows `first` to `first + count` of the endless mix.
    void append(std::string& csv, std::size_t first, std::size_t count) const
    {
        for (std::size_t row = first; row < first + count; ++row)
            csv += m_rows[row % m_rows.size()];
    }

private:
    static constexpr std::size_t kCycle = 1200;  // a hundred turns round the twelve types

    std::string row(const CoreDescriptor& core, const StandardCore& standard) const
    {
        std::string text(core.name);
        for (const std::string_view letter : m_letters) {
            text += ',';
            for (std::size_t field = 0; field < core.fields.size(); ++field)
                if (core.fields[field].letter == letter)
                    text += standard.texts[field];
        }
        return text + "\n";
    }

    std::vector<std::string_view> m_letters;
    std::vector<std::string> m_rows;
};

}  // namespace ferricalc::bench
