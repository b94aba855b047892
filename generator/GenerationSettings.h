#pragma once

#include <cstdint>
#include <string>

// The options of one skeleton generation. A flag holds 0 or 1 and counts as
// set when it is not 0; an index is a position in its value list and may lie
// outside it (the composer then falls back to a fixed entry). The fields stay
// plain integers because the Generate dialog exchanges them with its controls
// as they are.
struct GenerationSettings {
    std::int32_t m_bAvoidEdge = 0;
    std::int32_t m_nBaseTerrain = 0;    // index into BaseTerrainList
    std::int32_t m_nPlayerTerrain = 0;  // index into PlayerTerrainList
    std::int32_t m_nZoneMode = 0;       // a ZoneMode, 0 to 3
    std::int32_t m_nZoneDistance = 0;   // index into ZoneDistanceList
    std::string m_strFileName = "Filename";  // without ".rms", taken as typed
    std::int32_t m_bBirds = 1;
    std::int32_t m_bComments = 1;
    std::int32_t m_bExtraResources = 1;
    std::int32_t m_bFish = 1;
    std::int32_t m_bMixWater = 1;
    std::int32_t m_bRegicide = 1;
    std::int32_t m_bRelics = 1;
    std::int32_t m_bStandardResources = 1;
    std::int32_t m_bTownCenter = 1;
    std::int32_t m_bVillagers = 1;
    std::int32_t m_bWalls = 0;
    std::int32_t m_bWolves = 1;

    bool operator==(const GenerationSettings&) const = default;
};

// A flag field of the record, for tables that name flags.
using GenerationFlag = std::int32_t GenerationSettings::*;
