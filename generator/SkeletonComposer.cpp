#include "generator/SkeletonComposer.h"

#include "generator/FixedBlocks.h"
#include "generator/SkeletonPieces.h"
#include "generator/ValueLists.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// More than the longest text a setting other than the file name selects
// (terrain names, zone and distance lines).
constexpr std::size_t kLongestSettingText = 64;

bool DependsOnSettings(PieceSlot slot)
{
    switch (slot) {
    case PieceSlot::FileName:
    case PieceSlot::BaseTerrain:
    case PieceSlot::PlayerTerrain:
    case PieceSlot::ZoneLine:
    case PieceSlot::DistanceLine:
        return true;
    case PieceSlot::Text:
    case PieceSlot::StandardResources:
    case PieceSlot::ExtraResources:
    case PieceSlot::Fish:
    case PieceSlot::Connection:
        return false;
    }
    return true;
}

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

// One chunk of the piece table, prepared once: a chunk whose pieces share one
// guard and never depend on the settings is joined ahead of time, so that
// composing mostly hands out finished text.
struct PlannedChunk {
    PieceGuard guard;                          // its pieces' guard when they share one, else none
    std::optional<std::string_view> finished;  // the whole text, when joined ahead
    std::span<const SkeletonPiece> pieces;
};

class ChunkPlan {
public:
    ChunkPlan()
    {
        const auto pieces = SkeletonPieces();
        m_joined.reserve(pieces.size());
        for (std::size_t first = 0; first < pieces.size();) {
            std::size_t end = first;
            bool sharedGuard = true;
            bool fixed = true;
            for (; end < pieces.size() && pieces[end].chunk == pieces[first].chunk; ++end) {
                sharedGuard = sharedGuard && pieces[end].guard.first == pieces[first].guard.first
                              && pieces[end].guard.second == pieces[first].guard.second;
                fixed = fixed && !DependsOnSettings(pieces[end].slot);
            }
            PlannedChunk chunk;
            chunk.pieces = pieces.subspan(first, end - first);
            if (sharedGuard)
                chunk.guard = pieces[first].guard;
            if (sharedGuard && fixed) {
                chunk.finished = JoinAhead(chunk.pieces);
            } else {
                m_longestJoin = std::max(m_longestJoin, FixedLength(chunk.pieces));
            }
            m_chunks.push_back(chunk);
            first = end;
        }
    }

    const std::vector<PlannedChunk>& Chunks() const { return m_chunks; }
    // The most fixed text that one chunk joined at run time can hold.
    std::size_t LongestJoin() const { return m_longestJoin; }

private:
    std::string_view JoinAhead(std::span<const SkeletonPiece> pieces)
    {
        const GenerationSettings unused;  // fixed pieces do not read it
        if (pieces.size() == 1)
            return TextOf(pieces.front(), unused);
        std::string& text = m_joined.emplace_back();
        for (const SkeletonPiece& piece : pieces)
            text += TextOf(piece, unused);
        return text;
    }

    static std::size_t FixedLength(std::span<const SkeletonPiece> pieces)
    {
        std::size_t length = 0;
        for (const SkeletonPiece& piece : pieces)
            length += piece.text.size();
        return length;
    }

    std::size_t m_longestJoin = 0;
    std::vector<std::string> m_joined;  // reserved up front: short texts live inside their strings
    std::vector<PlannedChunk> m_chunks;
};

const ChunkPlan& Plan()
{
    static const ChunkPlan plan;
    return plan;
}

}  // namespace

void SkeletonComposer::Compose(const GenerationSettings& settings, const ChunkReceiver& receiver)
{
    const ChunkPlan& plan = Plan();
    // Room for any chunk joined below, so that composing allocates once.
    std::string joined;
    joined.reserve(plan.LongestJoin() + settings.m_strFileName.size() + kLongestSettingText);
    for (const PlannedChunk& chunk : plan.Chunks()) {
        if (!chunk.guard.HoldsFor(settings))
            continue;
        if (chunk.finished) {
            receiver(*chunk.finished);
            continue;
        }
        // A chunk that comes out as one piece goes out as it is.
        std::string_view first;
        int count = 0;
        for (const SkeletonPiece& piece : chunk.pieces) {
            if (!piece.guard.HoldsFor(settings))
                continue;
            const std::string_view text = TextOf(piece, settings);
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
