#pragma once

#include "generator/GenerationSettings.h"

#include <functional>
#include <string_view>

// Takes one chunk of the script; the text is valid only during the call.
// A receiver that throws stops the composition: no later chunk is built, and
// the exception passes to the caller of Compose.
using ChunkReceiver = std::function<void(std::string_view chunk)>;

// Turns a settings record into a skeleton script. The script is the
// concatenation of the delivered chunks; every line ends in a single line
// feed. The composer keeps no state, so equal records give equal chunks.
class SkeletonComposer {
public:
    static void Compose(const GenerationSettings& settings, const ChunkReceiver& receiver);
};
