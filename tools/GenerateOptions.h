#pragma once

#include "generator/GenerationSettings.h"
#include "generator/ValueList.h"

#include <span>
#include <string_view>

// The options of mapsmith-generate, one per field of GenerationSettings (the
// file name is the NAME argument). Parsing, help and lists all read these.

// A pair --NAME / --no-NAME that sets or clears one flag.
struct FlagOption {
    std::string_view name;
    GenerationFlag field;
    std::string_view meaning;
};

// An option --NAME=VALUE that picks an entry of a list, by text or index.
struct ListOption {
    std::string_view name;
    std::string_view valueName;  // the placeholder shown in the help
    const ValueList* list;
    std::int32_t GenerationSettings::*field;
    std::string_view meaning;
    std::string_view listTitle;  // the heading in --list
};

std::span<const FlagOption> FlagOptions();
std::span<const ListOption> ListOptions();

// The zone modes by short word, indexed by mode number.
const ValueList& ZoneModeWords();
