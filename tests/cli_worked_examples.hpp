#pragma once
// One realistic core of every type with what its window shows, for the batch
// tests and the mixed-core benchmark. `shown` holds the start of each written
// text, space-separated (the units follow each core's formats).

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "cores/registry.hpp"

namespace ferricalc::testing_support {

struct WorkedExample {
    std::string_view name;
    std::string_view core;
    std::string_view inputs;  // "A=10 B=6 h=4"; letters not named keep their start text
    std::string_view shown;
};

inline constexpr WorkedExample kWorkedExamples[] = {
    {"PlainRing", "ring", "A=10 B=6 h=4", "3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3"},
    {"LargeRing", "ring", "A=100 B=60 h=20", "0.61500 0.00157 240.90764mm 391.71975mm2 94368.28066mm3"},
    {"UfCore", "uf", "A=59.2 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9",
     "0.89974 0.00434 186.52813mm 207.31336mm2 38669.77333mm3"},
    {"UyCore", "uy", "A=40 B=20 C=10 E=14 F=22 r1=1 r2=1.5 r3=0.5",
     "1.60301 0.02069 124.19725mm 77.47753mm2 9622.49543mm3"},
    {"UyfCore", "uyf", "A=50 B=25 C=16 D=12 E=20 F=32", "0.89413 0.00460 173.79749mm 194.37609mm2 33782.07615mm3"},
    {"EeCore", "ee", "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rd=0.5 Rw=0.5 Rn=0.5",
     "1.00493 0.01770 57.05561mm 56.77571mm2 3239.37258mm3"},
    {"RmCore", "rm", "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5",
     "0.38171 0.00344 42.35538 110.96221 4699.84709"},
    {"EtdCore", "etd", "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3",
     "0.76839 0.00760 77.68726mm 101.10395mm2 7854.48886mm3"},
    {"PotCore", "pot", "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13",
     "0.531974 0.011445 24.726635 46.480909 1149.316460"},
    {"EpCore", "ep", "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=1", "1.09529 0.05186 23.13267 21.12013 488.56499"},
    {"UiCore", "ui", "A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=10",
     "0.88680 0.00795 98.92003mm 111.54717mm2 11034.24941mm3"},
    {"EiCore", "ei", "A=28 B=19 C=9.5 D=10.6 E=14.5 F=19 G=4.7",
     "0.54163 0.00554 52.95362mm 97.76715mm2 5177.12444mm3"},
    {"EdCore", "ed", "A=30 B=20 C=10 D=10 E=15 F=20", "0.95693 0.01073 85.34157mm 89.18267mm2 7610.98851mm3"},
};

// Every letter of the built cores, in the order the cores and their fields come.
inline std::vector<std::string_view> builtLetters()
{
    std::vector<std::string_view> letters;
    for (const CoreDescriptor* core : coreTypes())
        for (const FieldSpec& field : core->fields)
            if (std::find(letters.begin(), letters.end(), field.letter) == letters.end())
                letters.push_back(field.letter);
    return letters;
}

// Sets `text` to what "A=10 B=6" gives `letter`; false when it names no such letter.
inline bool findInput(std::string_view inputs, std::string_view letter, std::string_view& text)
{
    while (!inputs.empty()) {
        const std::size_t end = std::min(inputs.find(' '), inputs.size());
        const std::string_view word = inputs.substr(0, end);
        inputs.remove_prefix(std::min(end + 1, inputs.size()));
        const std::size_t equals = word.find('=');
        if (word.substr(0, equals) == letter) {
            text = word.substr(equals + 1);
            return true;
        }
    }
    return false;
}

// A CSV row for `core` under the header "core,<letters>": the named inputs, the
// start text of the core's other fields, and empty cells for the other letters.
inline std::string csvRow(const CoreDescriptor& core, std::string_view inputs,
                          const std::vector<std::string_view>& letters)
{
    std::string row(core.name);
    for (const std::string_view letter : letters) {
        row += ',';
        const auto field = std::find_if(core.fields.begin(), core.fields.end(),
                                        [&](const FieldSpec& f) { return f.letter == letter; });
        if (field == core.fields.end())
            continue;
        std::string_view text = field->start == StartText::Zero ? "0" : "";
        findInput(inputs, letter, text);
        row += text;
    }
    return row;
}

inline std::string csvHeader(const std::vector<std::string_view>& letters)
{
    std::string header = "core";
    for (const std::string_view letter : letters)
        header.append(",").append(letter);
    return header;
}

}  // namespace ferricalc::testing_support
