#pragma once

#include "tools/GenerateOptions.h"

#include <string>

// The texts mapsmith-generate prints about itself, made from its option tables.

// --help: every option with its default and its allowed values, and the exit codes.
std::string HelpText();
// --list: every value list with its indexes.
std::string ListsText();
// All option names on one line, for a message about an unknown option.
std::string OptionSummary();
// The values an option accepts, for its help and for a message about a bad value.
std::string AllowedValues(const ListOption& option);
