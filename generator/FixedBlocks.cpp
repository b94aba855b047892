#include "generator/FixedBlocks.h"

namespace {

// Each block is stored as its pieces, one string literal per piece; the
// compiler joins them, so a block costs nothing to produce.

constexpr std::string_view kStandardResources =
    "/* NEAR FORAGE */\n\ncreate_object FORAGE\n{\n     number_of_objects 6\n"
    "     group_placement_radius 3\n     set_tight_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players 10\n     max_distance_to_players 12\n     min_distance_group_placement 6\n}\n\n/* NEAR GOLD */\n"
    "\ncreate_object GOLD\n{\n     number_of_objects 7\n     group_placement_radius 3\n     set_tight_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players 12\n     max_distance_to_players 16\n"
    "     min_distance_group_placement 7\n     max_distance_to_other_zones 7\n}\n\n/* MEDIUM GOLD */\n\ncreate_object GOLD\n{\n     number_of_objects 4\n     group_placement_radius 3\n     set_tight_grouping\n     set_gaia_object_only\n"
    "     set_place_for_every_player\n     min_distance_to_players 18\n     max_distance_to_players 26\n     min_distance_group_placement 7\n     max_distance_to_other_zones 7\n}\n\n/* FAR GOLD */\n\ncreate_object GOLD\n{\n     number_of_objects 4\n"
    "     group_placement_radius 3\n     set_tight_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players 25\n     max_distance_to_players 35\n     min_distance_group_placement 7\n     max_distance_to_other_zones 7\n"
    "}\n\n/* NEAR STONE */\n\ncreate_object STONE\n{\n     number_of_objects 5\n     group_placement_radius 2\n     set_tight_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players 14\n     max_distance_to_players 18\n"
    "     min_distance_group_placement 7\n     max_distance_to_other_zones 7\n}\n\n/* FAR STONE */\n\ncreate_object STONE\n{\n     number_of_objects 4\n     group_placement_radius 2\n     set_tight_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n"
    "     min_distance_to_players 20\n     max_distance_to_players 26\n     min_distance_group_placement 7\n     max_distance_to_other_zones 7\n}\n\n/* BAA BAA */\n\ncreate_object SHEEP\n{\n     number_of_objects 4\n     set_loose_grouping\n"
    "     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players    10\n     max_distance_to_players    12\n}\ncreate_object SHEEP\n{\n     number_of_objects 2\n     number_of_groups  2\n     set_loose_grouping\n"
    "     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players    14\n     max_distance_to_players    30\n}\n\ncreate_object DEER\n{\n     number_of_objects          4\n     group_variance             1\n"
    "     group_placement_radius     3\n     set_loose_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players    14\n     max_distance_to_players    30\n}\n\ncreate_object BOAR /* or JAVELINA */\n{\n"
    "     number_of_objects          1\n     set_loose_grouping\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players    16\n     max_distance_to_players    22\n}\n\ncreate_object BOAR /* or JAVELINA */\n{\n"
    "     number_of_objects          1\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players    16\n     max_distance_to_players    22\n}\n\n"
    "/* TREES NEAR PLAYER STARTS */\n\ncreate_object OAKTREE\n{\n     number_of_objects             2\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players       4\n     max_distance_to_players       5\n     min_distance_group_placement  2\n"
    "}\ncreate_object OAKTREE\n{\n     number_of_objects             3\n     set_gaia_object_only\n     set_place_for_every_player\n     min_distance_to_players       6\n     max_distance_to_players       8\n     min_distance_group_placement  2\n"
    "}\n\n";

constexpr std::string_view kExtraResources =
    "\n/* *****EXTRA RESOURCES BY MAP***** */\n\nif LARGE_MAP\ncreate_object FORAGE\n{\n     number_of_groups           1\n     number_of_objects          5\n     group_placement_radius     3\n     set_tight_grouping\n     set_gaia_object_only\n"
    "     min_distance_to_players       40\n     max_distance_to_players       120\n     min_distance_group_placement  9\n}\nendif\n\nif HUGE_MAP\ncreate_object FORAGE\n{\n     number_of_groups           2\n     number_of_objects          5\n     group_placement_radius     3\n"
    "     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     max_distance_to_players       120\n     min_distance_group_placement  9\n}\nendif\nif GIGANTIC_MAP\ncreate_object FORAGE\n{\n     number_of_groups           3\n"
    "     number_of_objects          5\n     group_placement_radius     3\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     max_distance_to_players       120\n     min_distance_group_placement  9\n}\n"
    "endif\n\n/* EXTRA GOLD */\n\nif TINY_MAP\ncreate_object GOLD\n{\n     number_of_groups           2\n     number_of_objects          3\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n"
    "     min_distance_group_placement  9\n}\nendif\n\nif SMALL_MAP\ncreate_object GOLD\n{\n     number_of_groups           2\n     number_of_objects          3\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n"
    "     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\nif MEDIUM_MAP\ncreate_object GOLD\n{\n     number_of_groups           3\n     number_of_objects          3\n     group_variance             1\n     group_placement_radius     2\n"
    "     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\nif LARGE_MAP\ncreate_object GOLD\n{\n     number_of_groups           3\n     number_of_objects          3\n"
    "     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\nif HUGE_MAP\ncreate_object GOLD\n{\n"
    "     number_of_groups           4\n     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\n"
    "endif\n\nif GIGANTIC_MAP\ncreate_object GOLD\n{\n     number_of_groups           5\n     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n"
    "     min_distance_group_placement  9\n}\nendif\n\n/* EXTRA STONE */\n\nif TINY_MAP\ncreate_object STONE\n{\n     number_of_groups           1\n     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n"
    "     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\nif SMALL_MAP\ncreate_object STONE\n{\n     number_of_groups           1\n     number_of_objects          4\n     group_variance             1\n"
    "     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\nif MEDIUM_MAP\ncreate_object STONE\n{\n     number_of_groups           2\n"
    "     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\nif LARGE_MAP\n"
    "create_object STONE\n{\n     number_of_groups           3\n     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n"
    "}\nendif\n\nif HUGE_MAP\ncreate_object STONE\n{\n     number_of_groups           4\n     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n     set_gaia_object_only\n     min_distance_to_players       40\n"
    "     min_distance_group_placement  9\n}\nendif\n\nif GIGANTIC_MAP\ncreate_object STONE\n{\n     number_of_groups           5\n     number_of_objects          4\n     group_variance             1\n     group_placement_radius     2\n     set_tight_grouping\n"
    "     set_gaia_object_only\n     min_distance_to_players       40\n     min_distance_group_placement  9\n}\nendif\n\n";

constexpr std::string_view kFish =
    "create_object DORADO\n{\n     number_of_objects                   10\n     set_scaling_to_map_size\n     set_gaia_object_only\n     max_distance_to_other_zones         4\n}\ncreate_object TUNA\n{\n     number_of_objects                   9\n     set_scaling_to_map_size\n"
    "     set_gaia_object_only\n     max_distance_to_other_zones         4\n}\ncreate_object SNAPPER\n{\n     number_of_objects                   9\n     set_scaling_to_map_size\n     set_gaia_object_only\n     max_distance_to_other_zones         4\n}\n\ncreate_object SHORE_FISH\n"
    "{\n     number_of_objects                   30\n     set_scaling_to_map_size\n     min_distance_group_placement  3\n     set_gaia_object_only\n}\n\ncreate_object MARLIN1\n{\n     number_of_groups                    5\n     number_of_objects                   1\n"
    "     set_scaling_to_map_size\n     set_gaia_object_only\n     min_distance_group_placement        10\n     max_distance_to_other_zones         7\n}\ncreate_object MARLIN2\n{\n     number_of_groups                    5\n     number_of_objects                   1\n     set_scaling_to_map_size\n"
    "     set_gaia_object_only\n     min_distance_group_placement        10\n     max_distance_to_other_zones         7\n}\n\n";

constexpr std::string_view kConnection =
    "create_connect_all_players_land /* or create_connect_teams_lands or create_connect_all_lands */\n{\n     replace_terrain WATER SHALLOW\n     replace_terrain MED_WATER SHALLOW\n     replace_terrain DEEP_WATER SHALLOW\n\n     terrain_cost    WATER     7\n"
    "     terrain_cost    MED_WATER     9\n     terrain_cost    DEEP_WATER    15\n"
    "\n     terrain_size    SHALLOW         3       1\n}\n\n";
}  // namespace

std::string_view StandardResourcesBlock() { return kStandardResources; }
std::string_view ExtraResourcesBlock() { return kExtraResources; }
std::string_view FishBlock() { return kFish; }
std::string_view ConnectionBlock() { return kConnection; }
