#include "generator/FixedBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

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

// One create_object definition: its name, the map-size condition it stands
// in, and its attribute lines as keyword and value (empty for a bare keyword).
struct ObjectDefinition {
    std::string name;
    std::string condition;
    std::map<std::string, std::string> attributes;

    bool operator==(const ObjectDefinition&) const = default;
};

void PrintTo(const ObjectDefinition& object, std::ostream* out)
{
    *out << object.name << " [" << object.condition << "]";
    for (const auto& [key, value] : object.attributes)
        *out << " " << key << "=" << value;
}

void AddAttribute(std::map<std::string, std::string>& attributes, std::string_view line)
{
    std::istringstream words{std::string(line)};
    std::string key;
    std::string value;
    words >> key >> value;
    if (!key.empty())
        attributes[key] = value;
}

std::vector<ObjectDefinition> Definitions(std::string_view block)
{
    std::vector<ObjectDefinition> objects;
    std::istringstream lines{std::string(block)};
    std::string condition;
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("if "))
            condition = line.substr(3);
        else if (line == "endif")
            condition.clear();
        else if (line.starts_with("create_object "))
            objects.push_back({line.substr(14, line.find(' ', 14) - 14), condition, {}});
        else if (line == "{")
            inside = true;
        else if (line == "}")
            inside = false;
        else if (inside)
            AddAttribute(objects.back().attributes, line);
    }
    return objects;
}

// An object as the tables of the block describe it; `common` holds what every
// object of the block carries.
ObjectDefinition Expected(const char* name, const char* condition, std::string_view attributes, std::string_view common)
{
    ObjectDefinition object{name, condition, {}};
    for (std::string_view list : {attributes, common}) {
        std::istringstream items{std::string(list)};
        for (std::string item; std::getline(items, item, ',');)
            AddAttribute(object.attributes, item);
    }
    return object;
}

TEST(FixedBlockObjects, StandardResourcesPlaceTheTabledObjectsByEveryPlayer)
{
    const char* common = "set_gaia_object_only, set_place_for_every_player";
    const char* near = "min_distance_group_placement 7, max_distance_to_other_zones 7, set_tight_grouping";
    const std::vector<ObjectDefinition> expected{
        Expected("FORAGE", "", "number_of_objects 6, group_placement_radius 3, set_tight_grouping, min_distance_to_players 10, max_distance_to_players 12, min_distance_group_placement 6", common),
        Expected("GOLD", "", std::string("number_of_objects 7, group_placement_radius 3, min_distance_to_players 12, max_distance_to_players 16, ") + near, common),
        Expected("GOLD", "", std::string("number_of_objects 4, group_placement_radius 3, min_distance_to_players 18, max_distance_to_players 26, ") + near, common),
        Expected("GOLD", "", std::string("number_of_objects 4, group_placement_radius 3, min_distance_to_players 25, max_distance_to_players 35, ") + near, common),
        Expected("STONE", "", std::string("number_of_objects 5, group_placement_radius 2, min_distance_to_players 14, max_distance_to_players 18, ") + near, common),
        Expected("STONE", "", std::string("number_of_objects 4, group_placement_radius 2, min_distance_to_players 20, max_distance_to_players 26, ") + near, common),
        Expected("SHEEP", "", "number_of_objects 4, set_loose_grouping, min_distance_to_players 10, max_distance_to_players 12", common),
        Expected("SHEEP", "", "number_of_objects 2, number_of_groups 2, set_loose_grouping, min_distance_to_players 14, max_distance_to_players 30", common),
        Expected("DEER", "", "number_of_objects 4, group_variance 1, group_placement_radius 3, set_loose_grouping, min_distance_to_players 14, max_distance_to_players 30", common),
        Expected("BOAR", "", "number_of_objects 1, set_loose_grouping, min_distance_to_players 16, max_distance_to_players 22", common),
        Expected("BOAR", "", "number_of_objects 1, min_distance_to_players 16, max_distance_to_players 22", common),
        Expected("OAKTREE", "", "number_of_objects 2, min_distance_to_players 4, max_distance_to_players 5, min_distance_group_placement 2", common),
        Expected("OAKTREE", "", "number_of_objects 3, min_distance_to_players 6, max_distance_to_players 8, min_distance_group_placement 2", common),
    };
    EXPECT_EQ(Definitions(StandardResourcesBlock()), expected);
}

TEST(FixedBlockObjects, ExtraResourcesPlaceTheTabledObjectsByMapSize)
{
    const char* common = "set_tight_grouping, set_gaia_object_only, min_distance_to_players 40, min_distance_group_placement 9";
    std::vector<ObjectDefinition> expected;
    const char* forageSizes[] = {"LARGE_MAP", "HUGE_MAP", "GIGANTIC_MAP"};
    for (int i = 0; i < 3; ++i)
        expected.push_back(Expected("FORAGE", forageSizes[i], "number_of_groups " + std::to_string(i + 1) + ", number_of_objects 5, group_placement_radius 3, max_distance_to_players 120", common));
    const char* sizes[] = {"TINY_MAP", "SMALL_MAP", "MEDIUM_MAP", "LARGE_MAP", "HUGE_MAP", "GIGANTIC_MAP"};
    const int goldGroups[] = {2, 2, 3, 3, 4, 5};
    const int goldObjects[] = {3, 3, 3, 3, 4, 4};
    for (int i = 0; i < 6; ++i)
        expected.push_back(Expected("GOLD", sizes[i], "number_of_groups " + std::to_string(goldGroups[i]) + ", number_of_objects " + std::to_string(goldObjects[i]) + ", group_placement_radius 2" + (i >= 2 ? ", group_variance 1" : ""), common));
    const int stoneGroups[] = {1, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        expected.push_back(Expected("STONE", sizes[i], "number_of_groups " + std::to_string(stoneGroups[i]) + ", number_of_objects 4, group_variance 1, group_placement_radius 2", common));
    EXPECT_EQ(Definitions(ExtraResourcesBlock()), expected);
}

TEST(FixedBlockObjects, FishBlockPlacesTheTabledFish)
{
    const char* common = "set_scaling_to_map_size, set_gaia_object_only";
    const char* marlin = "number_of_groups 5, number_of_objects 1, min_distance_group_placement 10, max_distance_to_other_zones 7";
    const std::vector<ObjectDefinition> expected{
        Expected("DORADO", "", "number_of_objects 10, max_distance_to_other_zones 4", common),
        Expected("TUNA", "", "number_of_objects 9, max_distance_to_other_zones 4", common),
        Expected("SNAPPER", "", "number_of_objects 9, max_distance_to_other_zones 4", common),
        Expected("SHORE_FISH", "", "number_of_objects 30, min_distance_group_placement 3", common),
        Expected("MARLIN1", "", marlin, common),
        Expected("MARLIN2", "", marlin, common),
    };
    EXPECT_EQ(Definitions(FishBlock()), expected);
}

}  // namespace
