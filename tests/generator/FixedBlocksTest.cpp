#include "generator/FixedBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct BlockCase {
    const char* name;
    std::string_view (*block)();
    std::size_t characters;
    std::size_t lines;
    std::size_t bytesWithCrLf;
    std::size_t objects;  // create_object definitions
    std::string_view firstLine;
    std::string_view ending;
};

void PrintTo(const BlockCase& row, std::ostream* out) { *out << row.name; }

const BlockCase kBlocks[] = {
    {"StandardResources", StandardResourcesBlock, 3501, 163, 3664, 13, "/* NEAR FORAGE */", "}\n\n"},
    {"ExtraResources", ExtraResourcesBlock, 4602, 214, 4816, 15, "", "endif\n\n"},
    {"Fish", FishBlock, 1174, 49, 1223, 6, "create_object DORADO", "}\n\n"},
    {"Connection", ConnectionBlock, 372, 13, 385, 0,
     "create_connect_all_players_land /* or create_connect_teams_lands or create_connect_all_lands */", "}\n\n"},
};

std::size_t Occurrences(std::string_view text, std::string_view word)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

class FixedBlocks : public testing::TestWithParam<BlockCase> {};

TEST_P(FixedBlocks, HaveTheStatedSizeAndShape)
{
    const BlockCase& row = GetParam();
    const std::string_view text = row.block();
    EXPECT_EQ(text.size(), row.characters);
    const auto lineFeeds = static_cast<std::size_t>(std::ranges::count(text, '\n'));
    EXPECT_EQ(lineFeeds, row.lines);
    EXPECT_EQ(text.size() + lineFeeds, row.bytesWithCrLf);
    EXPECT_EQ(Occurrences(text, "create_object "), row.objects);
    EXPECT_EQ(text.substr(0, text.find('\n')), row.firstLine);
    EXPECT_TRUE(text.ends_with(row.ending));
    EXPECT_FALSE(text.ends_with("\n\n\n"));
}

TEST_P(FixedBlocks, HoldOnlyPlainAsciiLinesWithoutTrailingBlanks)
{
    const std::string_view text = GetParam().block();
    EXPECT_EQ(text.find('\t'), std::string_view::npos);
    EXPECT_EQ(text.find('\r'), std::string_view::npos);
    EXPECT_EQ(text.find(" \n"), std::string_view::npos);
    EXPECT_TRUE(std::ranges::all_of(text, [](char c) { return c == '\n' || (c >= ' ' && c <= '~'); }));
}

INSTANTIATE_TEST_SUITE_P(Generator, FixedBlocks, testing::ValuesIn(kBlocks),
                         [](const auto& info) { return info.param.name; });

}  // namespace
