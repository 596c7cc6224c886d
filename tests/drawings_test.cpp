// Each window's drawing, read as SVG text from the source tree: it must have the
// size that the window draws it at (the picture box scales a drawing of another
// size, distorting it), and it must letter exactly the dimensions that the
// window has fields for, no fewer and no others.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "cores/registry.hpp"

namespace ferricalc {
namespace {

const std::filesystem::path kResources = std::filesystem::path(__FILE__).parent_path().parent_path() / "resources";

// ":/drawings/ring.svg" -> <source>/resources/drawings/ring.svg
std::filesystem::path sourceOf(std::string_view resource)
{
    resource.remove_prefix(std::string_view(":/").size());
    return kResources / std::string(resource);
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of attribute `name` in the first <tag ...> element.
std::optional<std::string> attribute(std::string_view svg, std::string_view tag, std::string_view name)
{
    std::string opening("<");
    opening.append(tag).append(" ");
    const std::size_t open = svg.find(opening);
    if (open == std::string_view::npos) return std::nullopt;
    const std::string_view element = svg.substr(open, svg.find('>', open) - open);
    std::string key(" ");
    key.append(name).append("=\"");
    const std::size_t at = element.find(key);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t start = at + key.size();
    return std::string(element.substr(start, element.find('"', start) - start));
}

// The contents of every <text> element.
std::set<std::string> letters(std::string_view svg)
{
    std::set<std::string> found;
    for (std::size_t at = svg.find("<text "); at != std::string_view::npos; at = svg.find("<text ", at + 1)) {
        const std::size_t start = svg.find('>', at) + 1;
        found.emplace(svg.substr(start, svg.find("</text>", start) - start));
    }
    return found;
}

class Drawing : public testing::TestWithParam<int> {
protected:
    const CoreDescriptor& core() const { return coreType(GetParam()); }
};

TEST_P(Drawing, HasTheSizeItsWindowDrawsItAt)
{
    const std::string svg = readFile(sourceOf(core().drawing.resource));
    ASSERT_FALSE(svg.empty()) << sourceOf(core().drawing.resource);
    const std::string width = std::to_string(core().drawing.pixelWidth);
    const std::string height = std::to_string(core().drawing.pixelHeight);
    EXPECT_EQ(attribute(svg, "svg", "width"), width);
    EXPECT_EQ(attribute(svg, "svg", "height"), height);
    EXPECT_EQ(attribute(svg, "svg", "viewBox"), "0 0 " + width + " " + height);
}

TEST_P(Drawing, LettersEveryFieldAndNothingElse)
{
    const std::string svg = readFile(sourceOf(core().drawing.resource));
    std::set<std::string> fieldLetters;
    for (const FieldSpec& field : core().fields) fieldLetters.emplace(field.letter);
    EXPECT_EQ(letters(svg), fieldLetters);
}

INSTANTIATE_TEST_SUITE_P(EveryCoreType, Drawing, testing::Range(0, kCoreTypeCount),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(coreType(info.param).name);
                         });

}  // namespace
}  // namespace ferricalc
