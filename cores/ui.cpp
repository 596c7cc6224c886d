#include "cores/ui.hpp"

namespace ferricalc::ui {

// Not built yet: the selector's option does nothing until the geometry,
// fields and drawing arrive.
constinit const CoreDescriptor descriptor{
    .name = "ui",
    .optionCaption = "UI型",
    .form = "Form13",
    .caption = "UI",
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

}  // namespace ferricalc::ui
