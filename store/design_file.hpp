#pragma once
// The design file (.ferricalc): one magnetic design as a small JSON document
// that a colleague's copy of the program, a script or the web page opens the
// same way. It holds texts as the user typed them, with a point as decimal
// separator, so that opening a file gives the very figures that were saved:
//
//   { "format": "ferricalc-design", "version": 1, "core": "etd",
//     "dimensions": { "A": "34.2", "B": "25.6", … },        one per field
//     "design": { "material": "N87", "gap": "0.2", "gap_in": "centre",
//                 "turns": "20", "current": "1.5", "density": "", … },
//     "losses": { "frequency": "100000", "waveform": "sine", … } }
//
// Both hold calc/design_request's columns, the command line's options without
// their dashes (DesignTexts): "design" those of the design and the density,
// "losses" those of the losses (from kFirstLossOption on). An empty or absent text
// is an input not given. A file from a later version, or with names this one
// does not know, opens with what it can read and lists what it ignored.

#include <QByteArray>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_request.hpp"

namespace ferricalc::store {

inline constexpr std::string_view kDesignFileSuffix = ".ferricalc";

struct DesignFile {
    std::string core;                                   // the command line's core name: "etd"
    std::vector<std::string> fieldTexts;                // in the descriptor's field order
    std::array<std::string, DesignOptionCount> design;  // by kDesignOptions' columns, the losses' too
    std::string density;                                // kg/m³, with a custom material

    // The design's texts as calc/design_request reads them; views into this file.
    DesignTexts designTexts() const;
};

struct DesignFileRead {
    DesignFile file;
    std::string problem;               // why nothing could be opened; empty when the file opened
    std::vector<std::string> ignored;  // what was left out: "losses.colour", "format version 2"
};

QByteArray writeDesignFile(const DesignFile& file);
// `language` is that of the problem's words: the command line's English, a window's Chinese.
DesignFileRead readDesignFile(const QByteArray& bytes, Language language = Language::English);

// One line for the user naming what was ignored; empty when nothing was.
std::string ignoredLine(const DesignFileRead& read);

}  // namespace ferricalc::store
