#include "generator/SkeletonComposer.h"

#include "generator/FixedBlocks.h"
#include "generator/SkeletonPieces.h"
#include "generator/ValueLists.h"

#include <string>

namespace {

std::string_view TextOf(const SkeletonPiece& piece, const GenerationSettings& settings)
{
    switch (piece.slot) {
    case PieceSlot::Text: return piece.text;
    case PieceSlot::FileName: return settings.m_strFileName;
    case PieceSlot::BaseTerrain: return TerrainName(BaseTerrainList, settings.m_nBaseTerrain);
    case PieceSlot::PlayerTerrain: return TerrainName(PlayerTerrainList, settings.m_nPlayerTerrain);
    case PieceSlot::ZoneLine: return ZoneLine(settings.m_nZoneMode);
    case PieceSlot::DistanceLine: return DistanceLine(settings.m_nZoneDistance);
    case PieceSlot::StandardResources: return StandardResourcesBlock();
    case PieceSlot::ExtraResources: return ExtraResourcesBlock();
    case PieceSlot::Fish: return FishBlock();
    case PieceSlot::Connection: return ConnectionBlock();
    }
    return {};
}

}  // namespace

void SkeletonComposer::Compose(const GenerationSettings& settings, const ChunkReceiver& receiver)
{
    const auto pieces = SkeletonPieces();
    std::string joined;
    for (auto piece = pieces.begin(); piece != pieces.end();) {
        const int chunk = piece->chunk;
        // A chunk of one piece goes out as it is; only longer ones are joined.
        std::string_view first;
        int count = 0;
        for (; piece != pieces.end() && piece->chunk == chunk; ++piece) {
            if (!piece->guard.HoldsFor(settings))
                continue;
            const std::string_view text = TextOf(*piece, settings);
            if (count == 0) {
                first = text;
            } else {
                if (count == 1)
                    joined.assign(first);
                joined.append(text);
            }
            ++count;
        }
        if (count == 1)
            receiver(first);
        else if (count > 1)
            receiver(joined);
    }
}
