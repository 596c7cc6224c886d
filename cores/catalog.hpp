#pragma once
// The standard-core catalogue: for each window, the standard cores of its family
// as the texts a user would type into its fields, and the effective parameters
// that the vendor's data sheet publishes for the set.
//
// The table is compiled in (cores/catalog_table.cpp, written by
// cores/catalog_table.py from data/catalog.json); nothing is read at run time.
// Dimensions are the middles of their tolerance bands, so a catalogue core is the
// nominal set, not any one pair off the line.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "cores/descriptor.hpp"

namespace ferricalc {

// Le (mm), Ae (mm²) and Ve (mm³) as the data sheet gives them; a figure the
// vendor does not publish is absent.
struct DataSheet {
    std::optional<double> le;
    std::optional<double> ae;
    std::optional<double> ve;

    // The published figure of Le, Ae or Ve; absent for C1 and C2.
    std::optional<double> figure(Quantity quantity) const;
    bool anyPublished() const { return le || ae || ve; }
};

struct StandardCore {
    std::string_view name;                    // the usual designation, with the vendor's part where it has one
    std::span<const std::string_view> texts;  // one per field, in the window's field order, a point as separator
    DataSheet dataSheet;
    std::string_view source;  // where the dimensions and figures come from
};

struct CatalogWindow {
    std::string_view core;                      // the window's command-line name
    std::span<const std::string_view> letters;  // the field letters the texts were written for
    std::span<const StandardCore> cores;
};

// Every window's catalogue, in the selector's option order.
std::span<const CatalogWindow> catalogWindows();

// The standard cores of a window, in catalogue order; empty for a window without any.
std::span<const StandardCore> standardCores(const CoreDescriptor& core);

// The standard core of a window by name. A name matches when it equals the
// core's name ignoring letter case and blanks ("etd 34/17/11 (ferroxcube)");
// failing that, a name that is part of exactly one core's name finds that core
// ("ETD34-Z"). Null when none or several match.
const StandardCore* findStandardCore(const CoreDescriptor& core, std::string_view name);

// The cores whose names hold `part`, ignoring letter case and blanks.
std::vector<const StandardCore*> standardCoresNaming(const CoreDescriptor& core, std::string_view part);

// How far a computed value lies from its published figure, in percent of the figure.
double deviationPercent(double computed, double published);

}  // namespace ferricalc
