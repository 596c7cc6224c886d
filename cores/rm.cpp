#include "cores/rm.hpp"

namespace ferricalc::rm {

// Not built yet: the selector's option does nothing until the geometry,
// fields and drawing arrive.
constinit const CoreDescriptor descriptor{
    .name = "rm",
    .optionCaption = "RM型",
    .form = "Form7",
    .caption = "RM",
    .clientWidth = 0,
    .clientHeight = 0,
    .background = Background::White,
    .drawing = {},
    .fields = {},
    .conversionOrder = {},
    .results = {},
    .note = {},
    .calculateButton = {},
    .returnButton = {},
    .messageLine = {},
};

}  // namespace ferricalc::rm
