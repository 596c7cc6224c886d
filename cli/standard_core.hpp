#pragma once
// The standard-core catalogue on the command line: the fields of a named core,
// its data sheet's figures beside the results, and the list of a window's cores.

#include <array>
#include <ostream>
#include <string>
#include <string_view>

#include "calc/calculation.hpp"
#include "calc/catalog_texts.hpp"
#include "cores/catalog.hpp"

namespace ferricalc {

// The units the command line writes after Le, Ae and Ve.
inline constexpr std::array<std::string_view, QuantityCount> kQuantityUnits{"", "", "mm", "mm2", "mm3"};

// Why `name` finds no standard core of `core`: none holds it, or several do
// (then naming up to a few of them).
std::string unknownStandardCore(const CoreDescriptor& core, std::string_view name);

// The standard cores of each built window (or of the one given), each with its
// published figures: "ETD 34/17/11 (Ferroxcube)  Le 78.68mm  Ae 97.1mm2  Ve 7640mm3".
void writeStandardCoreList(std::ostream& out, const CoreDescriptor* onlyCore);

}  // namespace ferricalc
