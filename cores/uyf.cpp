#include "cores/uyf.hpp"

namespace ferricalc::uyf {

// Not built yet: the selector's option does nothing until the geometry,
// fields and drawing arrive.
constinit const CoreDescriptor descriptor{
    .name = "uyf",
    .optionCaption = "UYF型",
    .form = "Form5",
    .caption = "UYF",
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

}  // namespace ferricalc::uyf
