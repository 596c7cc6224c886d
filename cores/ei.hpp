#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::ei {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ei
