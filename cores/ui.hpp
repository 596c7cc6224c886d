#pragma once

#include "cores/descriptor.hpp"

namespace ferricalc::ui {

extern const CoreDescriptor descriptor;

}  // namespace ferricalc::ui
