#include "cores/ep.hpp"

namespace ferricalc::ep {

// Not built yet: the selector's option does nothing until the geometry,
// fields and drawing arrive.
constinit const CoreDescriptor descriptor{
    .name = "ep",
    .optionCaption = "EP型",
    .form = "Form10",
    .caption = "EP",
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

}  // namespace ferricalc::ep
