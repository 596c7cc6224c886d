#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::uy {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::uy
