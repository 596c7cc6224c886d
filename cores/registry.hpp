#pragma once
// The twelve core types, numbered as the selector's options (0 to 11).

#include <array>
#include <string_view>

#include "cores/descriptor.hpp"

namespace ferricalc {

inline constexpr int kCoreTypeCount = 12;

// The descriptor of the core type with the given option index.
const CoreDescriptor& coreType(int optionIndex);

// All core types in option order.
const std::array<const CoreDescriptor*, kCoreTypeCount>& coreTypes();

// The core type with the given command-line name, or null.
const CoreDescriptor* findCoreType(std::string_view name);

}  // namespace ferricalc
