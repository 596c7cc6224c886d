#pragma once

#include <QStringList>

namespace ferricalc {

// The windows' language at start: `--lang en` (or `--lang=en`, `zh` for Chinese)
// among the arguments, else the choice kept from the about window, else Chinese
// whatever the system's locale. A Chinese start loads no translation.
void applyStartLanguage(const QStringList& arguments);

}  // namespace ferricalc
