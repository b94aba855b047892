#pragma once

#include "generator/GenerationSettings.h"
#include "generator/ValueList.h"

#include <span>
#include <string_view>

// The script's fixed pieces as a table, and the choices that depend on the
// settings. Only the composer reads this.

// What a piece of the table contributes to its chunk.
enum class PieceSlot {
    Text,               // the piece's own literal text
    FileName,           // m_strFileName as typed
    BaseTerrain,        // the entry of BaseTerrainList chosen by m_nBaseTerrain
    PlayerTerrain,      // the entry of PlayerTerrainList chosen by m_nPlayerTerrain
    ZoneLine,           // the line for m_nZoneMode
    DistanceLine,       // the line for m_nZoneDistance
    StandardResources,  // the fixed blocks, whole
    ExtraResources,
    Fish,
    Connection,
};

// The flags that must all be set for a piece to be written; none means always.
struct PieceGuard {
    GenerationFlag first = nullptr;
    GenerationFlag second = nullptr;

    constexpr bool HoldsFor(const GenerationSettings& settings) const
    {
        return (first == nullptr || settings.*first != 0) && (second == nullptr || settings.*second != 0);
    }
};

struct SkeletonPiece {
    constexpr SkeletonPiece(int chunkNumber, PieceGuard pieceGuard, std::string_view literal)
        : chunk(chunkNumber), guard(pieceGuard), slot(PieceSlot::Text), text(literal)
    {
    }
    constexpr SkeletonPiece(int chunkNumber, PieceGuard pieceGuard, PieceSlot pieceSlot)
        : chunk(chunkNumber), guard(pieceGuard), slot(pieceSlot)
    {
    }

    int chunk;  // the chunk it belongs to; a chunk's pieces stand together, in order
    PieceGuard guard;
    PieceSlot slot;
    std::string_view text;  // for PieceSlot::Text
};

// Every piece of the script in order, chunk by chunk.
std::span<const SkeletonPiece> SkeletonPieces();

// The terrain name written for an index into a terrain list: its entry, or a
// fixed fallback for an index outside the list.
std::string_view TerrainName(const ValueList& terrains, int index);
// The zone line for a zone mode; any mode outside 0 to 3 writes that of 3.
std::string_view ZoneLine(int zoneMode);
// The distance line for an index into ZoneDistanceList; outside it, that of 0.
std::string_view DistanceLine(int distanceIndex);
