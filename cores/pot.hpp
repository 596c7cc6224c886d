#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::pot {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::pot
