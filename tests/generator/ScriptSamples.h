#pragma once

#include "generator/GenerationSettings.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The chunks the composer delivers for settings, in order.
std::vector<std::string> ComposedChunks(const GenerationSettings& settings);
// The whole composed script.
std::string ComposedScript(const GenerationSettings& settings);
// text with every line feed stored as CR LF, as a generated file holds it.
std::string WithCrLf(std::string_view text);
// A file's bytes.
std::string ReadBytes(const std::filesystem::path& path);

// Records with every flag set or every flag clear; the rest at the defaults.
GenerationSettings AllFlags(std::int32_t value);
// Every flag of the record, for tables and loops.
const std::vector<GenerationFlag>& EveryFlag();
