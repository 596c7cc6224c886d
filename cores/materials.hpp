#pragma once
// The ferrite materials a design can name: each as its manufacturer publishes
// it, with the figures the design needs. The table is compiled in
// (cores/materials_table.cpp, written by cores/materials_table.py from
// data/materials.json, which names the source of every figure); nothing is
// read at run time. A figure no source gave is absent, and what needs it is
// left out of the design.

#include <optional>
#include <span>
#include <string_view>

namespace ferricalc {

struct Material {
    std::string_view name;          // as published, e.g. "N87"
    std::string_view manufacturer;  // e.g. "TDK (EPCOS)"
    std::string_view base;          // "MnZn" or "NiZn"
    double muI;                     // nominal initial permeability
    std::optional<double> bsat25;   // flux density near saturation at 25 °C, mT
    std::optional<double> bsat100;  // the same at 100 °C, mT
    std::optional<double> density;  // kg/m³
};

// Every material, in the data file's order.
std::span<const Material> materials();

// The material of that name, ignoring letter case and blanks ("n 87" finds
// N87); null when none has it.
const Material* findMaterial(std::string_view name);

}  // namespace ferricalc
