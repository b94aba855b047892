#pragma once

#include <string_view>

// The four constant blocks of script text that the skeleton composer places
// whole. Each call returns the same text; every line ends in a single line
// feed and the last line of each block is empty.
std::string_view StandardResourcesBlock();  // forage, gold, stone, food and trees by every player
std::string_view ExtraResourcesBlock();     // forage, gold and stone by map size
std::string_view FishBlock();               // fish in the water
std::string_view ConnectionBlock();         // connections between player lands
