#pragma once
// The English of the texts the core types carry as data: the selector's option
// captions, what each field's letter stands for, the windows' notes and the name
// of the leg a gap is ground into. The Chinese text is the key, as the windows
// show it by default.

#include <string_view>

namespace ferricalc {

// The English of a descriptor's Chinese text, or the text itself when it has none
// (letters, symbols and names read the same in both languages).
std::string_view inEnglish(std::string_view chinese);

}  // namespace ferricalc
