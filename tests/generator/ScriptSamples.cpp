#include "ScriptSamples.h"

#include "generator/SkeletonComposer.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<std::string> ComposedChunks(const GenerationSettings& settings)
{
    std::vector<std::string> chunks;
    SkeletonComposer::Compose(settings, [&](std::string_view chunk) { chunks.emplace_back(chunk); });
    return chunks;
}

std::string ComposedScript(const GenerationSettings& settings)
{
    std::string script;
    for (const std::string& chunk : ComposedChunks(settings))
        script += chunk;
    return script;
}

std::string WithCrLf(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<GenerationFlag>& EveryFlag()
{
    using S = GenerationSettings;
    static const std::vector<GenerationFlag> flags{
        &S::m_bAvoidEdge, &S::m_bBirds, &S::m_bComments, &S::m_bExtraResources, &S::m_bFish,
        &S::m_bMixWater, &S::m_bRegicide, &S::m_bRelics, &S::m_bStandardResources,
        &S::m_bTownCenter, &S::m_bVillagers, &S::m_bWalls, &S::m_bWolves,
    };
    return flags;
}

GenerationSettings AllFlags(std::int32_t value)
{
    GenerationSettings settings;
    for (GenerationFlag flag : EveryFlag())
        settings.*flag = value;
    return settings;
}
