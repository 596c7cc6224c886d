#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::rm {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::rm
