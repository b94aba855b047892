#pragma once

#include "generator/ValueList.h"

#include <array>
#include <cstdint>
#include <string_view>

// The lists behind the index fields of GenerationSettings, in display order.
extern const ValueList BaseTerrainList;    // 23 terrain names
extern const ValueList PlayerTerrainList;  // 14 terrain names
extern const ValueList ZoneDistanceList;   // 9 distances, in numeric order

// How player lands are grouped into zones (GenerationSettings::m_nZoneMode).
enum class ZoneMode : std::int32_t {
    OwnArea = 0,
    TeamArea = 1,
    SharedArea = 2,
    RandomArea = 3,
};

struct ZoneModeEntry {
    ZoneMode mode;
    std::string_view label;  // the Generate dialog's radio button text
};

// The zone modes in the order of the dialog's radio buttons.
extern const std::array<ZoneModeEntry, 4> ZoneModes;
