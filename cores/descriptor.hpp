#pragma once
// A core type as plain data: everything the calculator window framework and the
// command line need to know about one core family, with no widget in it.
//
// Positions are twips of the window's client area (15 twips make one logical
// pixel). The fields are listed in the order of the Enter-key chain; the
// geometry receives the converted values in that same order.

#include <array>
#include <span>
#include <string_view>

#include "cores/constants.hpp"
#include "cores/magnetics.hpp"

namespace ferricalc {

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class StartText {
    Blank,  // principal dimension: starts empty, emptied when the chain reaches it
    Zero,   // optional dimension: starts with "0", kept when the chain reaches it
};

struct FieldSpec {
    int textNumber;            // the entry field is Text<n>
    int captionNumber;         // its caption is Label<n>
    std::string_view caption;  // caption text as shown, e.g. " A:" or "r3:"
    std::string_view letter;   // the dimension's letter, e.g. "A" or "r3"
    std::string_view meaning;  // what the letter stands for, in a few words
    int captionLeft;
    int fieldLeft;
    int top;
    StartText start = StartText::Blank;
    int fieldWidth = 1095;
};

// How a result is written: "0.00000" is {5, true, ""}, ".00000mm" is {5, false, "mm"}.
struct DisplayFormat {
    int decimals;
    bool integerDigitAlways;  // false: nothing before the point when the integer part is zero
    std::string_view suffix;
};

inline constexpr DisplayFormat kPlain5{5, true, ""};
inline constexpr DisplayFormat kLength5{5, false, "mm"};
inline constexpr DisplayFormat kArea5{5, false, "mm2"};
inline constexpr DisplayFormat kVolume5{5, false, "mm3"};
inline constexpr DisplayFormat kPlain6{6, true, ""};

enum Quantity { C1, C2, Le, Ae, Ve, QuantityCount };

inline constexpr std::array<std::string_view, QuantityCount> kQuantityNames{"C1", "C2", "Le", "Ae", "Ve"};

struct ResultSpec {
    int captionNumber;  // " C1:" and friends are Label<n>
    int captionLeft;
    int captionWidth;
    int valueNumber;  // the value is written into Label<n>
    int valueLeft;
    int valueWidth;
    int top;
    DisplayFormat format;
};

struct NoteSpec {
    int labelNumber = 0;  // 0: the window has no note label
    std::string_view text;
    TwipRect rect;
};

struct DrawingSpec {
    std::string_view resource;  // Qt resource path of the SVG
    TwipRect box;               // the picture box; the drawing sits at its top left
    int pixelWidth;             // the drawing's own size in logical pixels
    int pixelHeight;
};

// Where the standard-core catalogue sits in the window's free space: the
// caption "标准型号:", the combo box of the family's standard cores, and the
// reference line that shows the chosen core's data sheet beside the results.
struct CatalogPlacement {
    TwipRect caption;
    TwipRect comboBox;
    TwipRect reference;
};

enum class Background { White, SystemWindow };

// Two dimensions of which one lies inside the other in every real core of the
// family (the window inside the outline, the post inside the wall): `inner`
// is the smaller. Indexes into the descriptor's fields.
struct Nesting {
    int inner;
    int outer;
};

// The nesting of the fields lettered `inner` and `outer`; a letter the fields
// lack stops the compilation.
consteval Nesting nesting(std::span<const FieldSpec> fields, std::string_view inner, std::string_view outer)
{
    const auto indexOf = [&](std::string_view letter) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].letter == letter)
                return static_cast<int>(i);
        throw "no field with this letter";
    };
    return {indexOf(inner), indexOf(outer)};
}

struct CoreDescriptor {
    std::string_view name;     // command-line name, e.g. "ring"
    std::string_view optionCaption;  // the selector's option, e.g. "环型"
    std::string_view form;     // window object name, e.g. "Form2"
    std::string_view caption;  // window caption, e.g. "H"
    int clientWidth;
    int clientHeight;
    Background background;
    DrawingSpec drawing;
    std::span<const FieldSpec> fields;      // in Enter-chain order
    std::span<const int> conversionOrder;   // indexes into `fields`
    std::array<ResultSpec, QuantityCount> results;
    NoteSpec note;
    TwipRect calculateButton;  // Command1 "计算"
    TwipRect returnButton;     // Command2 "返回"
    TwipRect messageLine;      // where a failed Calculate is explained
    CatalogPlacement catalog;
    TwipRect designButton;  // "设计…", which opens the magnetic design of the calculated core
    CoreGeometry geometry = nullptr;  // null while the core type is not built yet
    CoreMagnetics magnetics = nullptr;  // Amin, the winding window and the gap's faces (cores/magnetics.hpp)
    // The dimensions that lie inside others: a result computed from fields
    // that break one describes no real core (calc/advisories.hpp).
    std::span<const Nesting> nestings;
    // What the design window calls the leg a single gap is ground into: the centre
    // post, the U family's wound limb, or the ring itself (cut through once).
    std::string_view gappedLeg = "中柱";

    bool available() const { return geometry != nullptr; }
};

inline constexpr int kCaptionWidth = 375;
inline constexpr int kCaptionHeight = 255;
inline constexpr int kFieldHeight = 270;
inline constexpr int kResultHeight = 255;
inline constexpr int kCalculateWidth = 1575;
inline constexpr int kReturnWidth = 1695;
inline constexpr int kDesignWidth = 1365;  // between Calculate and Return, 6 px from each
inline constexpr int kButtonHeight = 495;
inline constexpr int kComboBoxHeight = 330;
inline constexpr int kTwipsPerPixel = 15;

}  // namespace ferricalc
