#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::etd {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::etd
