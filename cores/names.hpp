#pragma once
// Names as the user may type them: letter case and blanks do not count, so
// "etd34" finds "ETD 34" and "n 87" finds "N87".

#include <string>
#include <string_view>

namespace ferricalc {

inline char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The name as compared: lower case, blanks dropped.
inline std::string comparableName(std::string_view name)
{
    std::string folded;
    folded.reserve(name.size());
    for (const char c : name)
        if (c != ' ' && c != '\t')
            folded.push_back(lowerAscii(c));
    return folded;
}

}  // namespace ferricalc
