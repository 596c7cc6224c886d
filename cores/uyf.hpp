#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::uyf {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::uyf
