// Every text a core type shows has its English, so an English window or page
// never falls back to Chinese for a caption, a field's meaning or a note.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cores/english_texts.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

bool plainAscii(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

TEST(EnglishTexts, EveryCoreTypeTextHasItsEnglish)
{
    for (const CoreDescriptor* core : coreTypes()) {
        std::vector<std::string_view> texts{core->optionCaption, core->gappedLeg, core->note.text};
        for (const FieldSpec& field : core->fields)
            texts.push_back(field.meaning);
        for (const std::string_view text : texts) {
            SCOPED_TRACE(std::string(core->name) + ": " + std::string(text));
            EXPECT_TRUE(plainAscii(inEnglish(text)));
        }
    }
}

TEST(EnglishTexts, NamesAndLettersReadTheSame)
{
    EXPECT_EQ(inEnglish("ETD/EC/EER型"), "ETD/EC/EER");
    EXPECT_EQ(inEnglish("r3"), "r3");
    EXPECT_EQ(inEnglish(""), "");
}

}  // namespace
}  // namespace ferricalc
