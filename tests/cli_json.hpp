#pragma once
// A strict reader of JSON text for checking what the command line writes: the
// grammar of RFC 8259 and nothing more (no trailing commas, no bare control
// characters or malformed UTF-8 in strings, no leading zeros or "+" in numbers).

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ferricalc::testing_support {

struct Json {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members;  // in the order written

    bool isNull() const { return kind == Kind::Null; }
    // The member `key`; a null value when there is none.
    const Json& operator[](std::string_view key) const;
    bool has(std::string_view key) const;
};

// The one JSON value that `text` holds (blanks around it allowed), or null.
std::optional<Json> parseJson(std::string_view text);

}  // namespace ferricalc::testing_support
