#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::ep {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ep
