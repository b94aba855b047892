#pragma once

// Control ids of the program's dialogs.

// Generate dialog (IDD_GENERATE).
inline constexpr int IDC_PLAYER_TERRAIN = 1000;
inline constexpr int IDC_BASE_TERRAIN = 1001;
inline constexpr int IDC_ZONE_OWN_AREA = 1003;  // first of the zone-mode radio group
inline constexpr int IDC_ZONE_TEAM_AREA = 1004;
inline constexpr int IDC_ZONE_SHARED_AREA = 1005;
inline constexpr int IDC_ZONE_RANDOM_AREA = 1006;
inline constexpr int IDC_ZONE_DISTANCE = 1008;
inline constexpr int IDC_AVOID_EDGE = 1011;
inline constexpr int IDC_FILENAME = 1013;
inline constexpr int IDC_MIX_WATER = 1014;
inline constexpr int IDC_TOWN_CENTER = 1017;
inline constexpr int IDC_VILLAGERS = 1018;
inline constexpr int IDC_STANDARD_RESOURCES = 1019;
inline constexpr int IDC_FISH = 1020;
inline constexpr int IDC_COMMENTS = 1021;
inline constexpr int IDC_RELICS = 1022;
inline constexpr int IDC_EXTRA_RESOURCES = 1023;
inline constexpr int IDC_REGICIDE = 1024;
inline constexpr int IDC_WALLS = 1025;
inline constexpr int IDC_WOLVES = 1026;
inline constexpr int IDC_BIRDS = 1027;
