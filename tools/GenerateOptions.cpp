#include "tools/GenerateOptions.h"

#include "generator/ValueLists.h"

#include <array>

namespace {

using S = GenerationSettings;

constexpr FlagOption kFlagOptions[] = {
    {"avoid-edge", &S::m_bAvoidEdge, "keep the player lands away from the edges of the map"},
    {"birds", &S::m_bBirds, "add birds"},
    {"comments", &S::m_bComments, "add the instructional comments"},
    {"extra-resources", &S::m_bExtraResources, "add the extra resources by map size"},
    {"fish", &S::m_bFish, "add fish"},
    {"mix-water", &S::m_bMixWater, "add the water-mixing terrains"},
    {"regicide", &S::m_bRegicide, "add the regicide objects (king, castle, extra villagers)"},
    {"relics", &S::m_bRelics, "add relics"},
    {"standard-resources", &S::m_bStandardResources, "add the standard resources"},
    {"town-center", &S::m_bTownCenter, "add a town center for every player"},
    {"villagers", &S::m_bVillagers, "add the starting villagers and scout"},
    {"walls", &S::m_bWalls, "add walls around the player start areas"},
    {"wolves", &S::m_bWolves, "add wolves"},
};

// In the order of ZoneMode, so that a word's index is its mode number.
constexpr std::array<std::string_view, 4> kZoneModeWords{"own", "team", "shared", "random"};
constinit const ValueList kZoneModeList{kZoneModeWords};

constexpr ListOption kListOptions[] = {
    {"base-terrain", "TERRAIN", &BaseTerrainList, &S::m_nBaseTerrain,
     "the terrain that first covers the whole map", "Base terrains"},
    {"player-terrain", "TERRAIN", &PlayerTerrainList, &S::m_nPlayerTerrain,
     "the terrain of the lands the players start on", "Player land terrains"},
    {"zone-mode", "MODE", &kZoneModeList, &S::m_nZoneMode,
     "how the player lands are grouped into zones", "Zone modes"},
    {"zone-distance", "DISTANCE", &ZoneDistanceList, &S::m_nZoneDistance,
     "the distance that separates player zones", "Zone distances"},
};

}  // namespace

std::span<const FlagOption> FlagOptions() { return kFlagOptions; }
std::span<const ListOption> ListOptions() { return kListOptions; }
const ValueList& ZoneModeWords() { return kZoneModeList; }
