#include "generator/ValueLists.h"

namespace {

// Both terrain lists sort without regard to case, the underscore before the
// digits and the digits before the letters (DIRT, DIRT_SNOW, DIRT2, DIRT3).
constexpr std::array<std::string_view, 23> kBaseTerrains{
    "BAMBOO", "BEACH", "DEEP_WATER", "DESERT", "DIRT", "DIRT_SNOW",
    "DIRT2", "DIRT3", "FOREST", "GRASS", "GRASS_SNOW", "GRASS2",
    "GRASS3", "ICE", "JUNGLE", "LEAVES", "MED_WATER", "PALM_DESERT",
    "PINE_FOREST", "SHALLOW", "SNOW", "SNOW_FOREST", "WATER",
};

constexpr std::array<std::string_view, 14> kPlayerTerrains{
    "BEACH", "DESERT", "DIRT", "DIRT_SNOW", "DIRT2", "DIRT3", "GRASS",
    "GRASS_SNOW", "GRASS2", "GRASS3", "LEAVES", "ROAD", "ROAD2", "SNOW",
};

constexpr std::array<std::string_view, 9> kZoneDistances{
    "0", "1", "2", "3", "4", "5", "10", "20", "50",
};

}  // namespace

constinit const ValueList BaseTerrainList{kBaseTerrains};
constinit const ValueList PlayerTerrainList{kPlayerTerrains};
constinit const ValueList ZoneDistanceList{kZoneDistances};

constinit const std::array<ZoneModeEntry, 4> ZoneModes{{
    {ZoneMode::OwnArea, "Each player has own area"},
    {ZoneMode::TeamArea, "Players on the same team share an area"},
    {ZoneMode::SharedArea, "All players share an area"},
    {ZoneMode::RandomArea, "Player areas are random"},
}};
