#include "cores/etd.hpp"

namespace ferricalc::etd {

// Not built yet: the selector's option does nothing until the geometry,
// fields and drawing arrive.
constinit const CoreDescriptor descriptor{
    .name = "etd",
    .optionCaption = "ETD/EC/EER型",
    .form = "Form8",
    .caption = "ETD",
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

}  // namespace ferricalc::etd
