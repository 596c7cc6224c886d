#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::ee {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ee
