#include "generator/GenerationSettings.h"
#include "generator/ValueLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

using S = GenerationSettings;

struct FieldDefault {
    const char* field;
    std::int32_t S::*member;
    std::int32_t expected;
};

// Every integer field of a fresh record, in the record's order.
const FieldDefault kDefaults[] = {
    {"m_bAvoidEdge", &S::m_bAvoidEdge, 0},
    {"m_nBaseTerrain", &S::m_nBaseTerrain, 0},
    {"m_nPlayerTerrain", &S::m_nPlayerTerrain, 0},
    {"m_nZoneMode", &S::m_nZoneMode, 0},
    {"m_nZoneDistance", &S::m_nZoneDistance, 0},
    {"m_bBirds", &S::m_bBirds, 1},
    {"m_bComments", &S::m_bComments, 1},
    {"m_bExtraResources", &S::m_bExtraResources, 1},
    {"m_bFish", &S::m_bFish, 1},
    {"m_bMixWater", &S::m_bMixWater, 1},
    {"m_bRegicide", &S::m_bRegicide, 1},
    {"m_bRelics", &S::m_bRelics, 1},
    {"m_bStandardResources", &S::m_bStandardResources, 1},
    {"m_bTownCenter", &S::m_bTownCenter, 1},
    {"m_bVillagers", &S::m_bVillagers, 1},
    {"m_bWalls", &S::m_bWalls, 0},
    {"m_bWolves", &S::m_bWolves, 1},
};

struct ListCase {
    const char* name;
    const ValueList& list;
    std::vector<std::string> entries;
};

const ListCase kLists[] = {
    {"BaseTerrainList", BaseTerrainList,
     {"BAMBOO", "BEACH", "DEEP_WATER", "DESERT", "DIRT", "DIRT_SNOW", "DIRT2", "DIRT3", "FOREST", "GRASS",
      "GRASS_SNOW", "GRASS2", "GRASS3", "ICE", "JUNGLE", "LEAVES", "MED_WATER", "PALM_DESERT", "PINE_FOREST",
      "SHALLOW", "SNOW", "SNOW_FOREST", "WATER"}},
    {"PlayerTerrainList", PlayerTerrainList,
     {"BEACH", "DESERT", "DIRT", "DIRT_SNOW", "DIRT2", "DIRT3", "GRASS", "GRASS_SNOW", "GRASS2", "GRASS3",
      "LEAVES", "ROAD", "ROAD2", "SNOW"}},
    {"ZoneDistanceList", ZoneDistanceList, {"0", "1", "2", "3", "4", "5", "10", "20", "50"}},
};

// The order the dialog shows terrains in: case ignored, underscore before
// digits, digits before letters.
int TerrainRank(char c)
{
    if (c == '_')
        return 0;
    if (std::isdigit(static_cast<unsigned char>(c)))
        return 1 + (c - '0');
    return 11 + std::toupper(static_cast<unsigned char>(c));
}

bool TerrainLess(std::string_view a, std::string_view b)
{
    return std::ranges::lexicographical_compare(a, b, [](char x, char y) { return TerrainRank(x) < TerrainRank(y); });
}

TEST(GenerationSettings, FreshRecordAndValueListsHoldTheirFixedValues)
{
    const GenerationSettings fresh;
    for (const FieldDefault& row : kDefaults)
        EXPECT_EQ(fresh.*row.member, row.expected) << row.field;
    EXPECT_EQ(fresh.m_strFileName, "Filename");

    for (const ListCase& row : kLists) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(row.list.Count(), static_cast<int>(row.entries.size()));
        for (int index = 0; index < row.list.Count(); ++index)
            EXPECT_EQ(row.list.At(index), row.entries[static_cast<std::size_t>(index)]) << index;
        EXPECT_FALSE(row.list.Holds(-1));
        EXPECT_FALSE(row.list.Holds(row.list.Count()));
    }

    ASSERT_EQ(ZoneModes.size(), 4u);
    const char* labels[] = {"Each player has own area", "Players on the same team share an area",
                            "All players share an area", "Player areas are random"};
    for (std::size_t mode = 0; mode < ZoneModes.size(); ++mode) {
        EXPECT_EQ(static_cast<std::size_t>(ZoneModes[mode].mode), mode);
        EXPECT_EQ(ZoneModes[mode].label, labels[mode]);
    }
}

TEST(GenerationSettings, ListsAreInDisplayOrder)
{
    for (const ValueList* terrains : {&BaseTerrainList, &PlayerTerrainList}) {
        const auto entries = terrains->Entries();
        EXPECT_TRUE(std::ranges::is_sorted(entries, TerrainLess));
        EXPECT_EQ(std::ranges::adjacent_find(entries), entries.end());
    }
    const auto distances = ZoneDistanceList.Entries();
    EXPECT_TRUE(std::ranges::is_sorted(distances, {}, [](std::string_view text) { return std::stoi(std::string(text)); }));
    EXPECT_FALSE(std::ranges::is_sorted(distances));  // numeric order is not text order
}

}  // namespace
