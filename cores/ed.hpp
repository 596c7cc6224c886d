#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::ed {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ed
