#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::uf {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::uf
