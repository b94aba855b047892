#include "generator/ValueLists.h"

#include "GeneratorProcess.h"
#include "ScratchFolder.h"
#include "ScriptSamples.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace fs = std::filesystem;

namespace {

using S = GenerationSettings;

// The documented exit codes.
constexpr int kDone = 0;
constexpr int kExists = 1;
constexpr int kBadCommandLine = 2;
constexpr int kCannotCreate = 3;
constexpr int kWriteFailed = 4;

class MapsmithGenerate : public testing::Test {
protected:
    ProcessResult Run(const std::vector<std::string>& arguments, std::optional<rlim_t> fileSizeLimit = std::nullopt)
    {
        return RunGenerator(arguments, m_folder.Path(), fileSizeLimit);
    }

    ScratchFolder m_folder;
};

TEST_F(MapsmithGenerate, WithoutArgumentsWritesTheDefaultFileSilently)
{
    const ProcessResult run = Run({});
    EXPECT_EQ(run.exitCode, kDone);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(m_folder.Path() / "Filename.rms"), WithCrLf(ComposedScript(GenerationSettings{})));
}

struct OptionCase {
    const char* label;
    std::vector<std::string> arguments;
    std::function<void(GenerationSettings&)> expect;
};

void PrintTo(const OptionCase& row, std::ostream* out) { *out << row.label; }

std::vector<OptionCase> OptionCases()
{
    std::vector<std::string> clearAll{"Cleared"};
    std::vector<std::string> setAll{"--walls", "--avoid-edge"};
    for (const char* name : {"avoid-edge", "birds", "comments", "extra-resources", "fish", "mix-water", "regicide",
                             "relics", "standard-resources", "town-center", "villagers", "walls", "wolves"})
        clearAll.push_back(std::string("--no-") + name);
    return {
        {"EveryFlagCleared", clearAll, [](S& s) { s = AllFlags(0); s.m_strFileName = "Cleared"; }},
        {"WallsAndAvoidEdge", setAll, [](S& s) { s.m_bWalls = s.m_bAvoidEdge = 1; }},
        {"LastOfAPairCounts", {"--no-birds", "--birds", "--fish", "--no-fish"}, [](S& s) { s.m_bFish = 0; }},
        {"TerrainsByText", {"--base-terrain=DIRT_SNOW", "--player-terrain", "road2"},
         [](S& s) { s.m_nBaseTerrain = 5; s.m_nPlayerTerrain = 12; }},
        {"TerrainsByIndex", {"--base-terrain", "22", "--player-terrain=3"},
         [](S& s) { s.m_nBaseTerrain = 22; s.m_nPlayerTerrain = 3; }},
        {"ZoneModeByWord", {"--zone-mode=team"}, [](S& s) { s.m_nZoneMode = 1; }},
        {"ZoneModeByNumber", {"--zone-mode", "3"}, [](S& s) { s.m_nZoneMode = 3; }},
        {"DistanceByText", {"--zone-distance=10"}, [](S& s) { s.m_nZoneDistance = 6; }},
        {"DistanceByIndex", {"--zone-distance=8"}, [](S& s) { s.m_nZoneDistance = 8; }},
        {"NameAfterDoubleDash", {"--walls", "--", "--odd name"}, [](S& s) { s.m_bWalls = 1; s.m_strFileName = "--odd name"; }},
        {"NameBeforeOptions", {"Early", "--no-comments"}, [](S& s) { s.m_bComments = 0; s.m_strFileName = "Early"; }},
    };
}

class GeneratorOptions : public MapsmithGenerate, public testing::WithParamInterface<OptionCase> {};

TEST_P(GeneratorOptions, StandardOutputCarriesTheScriptOfTheChosenSettings)
{
    GenerationSettings expected;
    GetParam().expect(expected);
    const std::string script = WithCrLf(ComposedScript(expected));
    for (const char* output : {"-o", "--stdout"}) {
        std::vector<std::string> arguments = GetParam().arguments;
        arguments.insert(arguments.begin(), output);
        if (std::string(output) == "-o")
            arguments.insert(arguments.begin() + 1, "-");
        const ProcessResult run = Run(arguments);
        EXPECT_EQ(run.exitCode, kDone) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, script) << output;
    }
    EXPECT_TRUE(m_folder.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(MapsmithGenerate, GeneratorOptions, testing::ValuesIn(OptionCases()),
                         [](const auto& info) { return info.param.label; });

struct BadCase {
    const char* label;
    std::vector<std::string> arguments;
    std::string message;  // part of the error, naming what is allowed
};

void PrintTo(const BadCase& row, std::ostream* out) { *out << row.label; }

class BadCommandLines : public MapsmithGenerate, public testing::WithParamInterface<BadCase> {};

TEST_P(BadCommandLines, NameWhatIsAllowedAndCreateNothing)
{
    const ProcessResult run = Run(GetParam().arguments);
    EXPECT_EQ(run.exitCode, kBadCommandLine);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("mapsmith-generate: ")) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_TRUE(m_folder.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    MapsmithGenerate, BadCommandLines,
    testing::Values(
        BadCase{"UnknownOption", {"--wals", "Map"}, "unknown option '--wals'\nallowed options: -o -, --stdout"},
        BadCase{"UnknownShortOption", {"-x"}, "--walls, --no-walls"},
        BadCase{"UnknownTerrain", {"--base-terrain=MUD", "Map"}, "'MUD' is not a value of --base-terrain; allowed: BAMBOO, BEACH,"},
        BadCase{"TerrainIndexPastTheEnd", {"--player-terrain", "14"}, "ROAD2, SNOW, or an index 0 to 13"},
        BadCase{"NegativeIndex", {"--base-terrain=-1"}, "or an index 0 to 22"},
        BadCase{"BaseOnlyTerrainForPlayers", {"--player-terrain=WATER"}, "not a value of --player-terrain"},
        BadCase{"ZoneModeOutside", {"--zone-mode=4"}, "own, team, shared, random, or an index 0 to 3"},
        BadCase{"DistanceNotInList", {"--zone-distance=7x"}, "0, 1, 2, 3, 4, 5, 10, 20, 50, or an index 0 to 8"},
        BadCase{"MissingValue", {"Map", "--zone-distance"}, "option --zone-distance needs a value: 0, 1,"},
        BadCase{"FlagWithValue", {"--walls=yes"}, "use --walls or --no-walls"},
        BadCase{"OutputOtherThanDash", {"-o", "file.rms"}, "-o takes only '-' (standard output)"},
        BadCase{"OutputWithoutValue", {"-o"}, "needs a value: '-'"},
        BadCase{"TwoNames", {"One", "Two"}, "only one NAME is allowed"}),
    [](const auto& info) { return info.param.label; });

TEST_F(MapsmithGenerate, RefusesANameThatExistsAsFileOrFolder)
{
    { std::ofstream(m_folder.Path() / "Taken.rms", std::ios::binary) << "mine\r\n"; }
    fs::create_directory(m_folder.Path() / "Dir.rms");
    for (const std::string name : {"Taken", "Dir"}) {
        const ProcessResult run = Run({name});
        EXPECT_EQ(run.exitCode, kExists);
        EXPECT_EQ(run.err, "mapsmith-generate: That file already exists. Delete the file or choose a different filename. (" +
                               (m_folder.Path() / (name + ".rms")).string() + ")\n");
    }
    EXPECT_EQ(ReadBytes(m_folder.Path() / "Taken.rms"), "mine\r\n");
    EXPECT_TRUE(fs::is_empty(m_folder.Path() / "Dir.rms"));
    EXPECT_EQ(m_folder.Entries(), (std::vector<std::string>{"Dir.rms", "Taken.rms"}));
}

TEST_F(MapsmithGenerate, MissingFolderCannotBeCreated)
{
    const ProcessResult run = Run({"absent/Map"});
    EXPECT_EQ(run.exitCode, kCannotCreate);
    EXPECT_EQ(run.err, "mapsmith-generate: The file could not be created. (" +
                           (m_folder.Path() / "absent/Map.rms").string() + ": No such file or directory)\n");
    EXPECT_TRUE(m_folder.Entries().empty());
}

TEST_F(MapsmithGenerate, TypedNamesAreKeptAsTyped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"test.rms", "test.rms.rms"}, {"", ".rms"}, {"My Map \xE9\xFF", "My Map \xE9\xFF.rms"}};
    for (const auto& [typed, file] : cases) {
        const ProcessResult run = Run({typed});
        EXPECT_EQ(run.exitCode, kDone) << run.err;
        EXPECT_EQ(ReadBytes(m_folder.Path() / file), WithCrLf(ComposedScript([&] {
                      GenerationSettings settings;
                      settings.m_strFileName = typed;
                      return settings;
                  }())));
    }
    EXPECT_EQ(m_folder.Entries().size(), std::size(cases));
}

TEST_F(MapsmithGenerate, FileSizeLimitMidwayLeavesNoFileAndReportsDiskFull)
{
    const ProcessResult run = Run({"Limited"}, rlim_t{6000});
    EXPECT_EQ(run.exitCode, kWriteFailed);
    EXPECT_EQ(run.err, "mapsmith-generate: Disk full while accessing " + (m_folder.Path() / "Limited.rms").string() +
                           ". (File too large)\n");
    EXPECT_TRUE(m_folder.Entries().empty());
}

TEST_F(MapsmithGenerate, HelpDocumentsEveryOptionWithItsDefaultAndTheExitCodes)
{
    const ProcessResult run = Run({"--help"});
    EXPECT_EQ(run.exitCode, kDone);
    const std::string expected[] = {
        "Usage: mapsmith-generate [OPTION]... [NAME]",
        "--base-terrain=TERRAIN\n        the terrain that first covers the whole map (default: BAMBOO)",
        "--player-terrain=TERRAIN\n        the terrain of the lands the players start on (default: BEACH)",
        "--zone-mode=MODE\n        how the player lands are grouped into zones (default: own)",
        "--zone-distance=DISTANCE\n        the distance that separates player zones (default: 0)",
        "--avoid-edge, --no-avoid-edge\n        keep the player lands away from the edges of the map (default: off)",
        "--birds, --no-birds\n        add birds (default: on)",
        "--comments, --no-comments\n        add the instructional comments (default: on)",
        "--extra-resources, --no-extra-resources\n        add the extra resources by map size (default: on)",
        "--fish, --no-fish\n        add fish (default: on)",
        "--mix-water, --no-mix-water\n        add the water-mixing terrains (default: on)",
        "--regicide, --no-regicide\n        add the regicide objects (king, castle, extra villagers) (default: on)",
        "--relics, --no-relics\n        add relics (default: on)",
        "--standard-resources, --no-standard-resources\n        add the standard resources (default: on)",
        "--town-center, --no-town-center\n        add a town center for every player (default: on)",
        "--villagers, --no-villagers\n        add the starting villagers and scout (default: on)",
        "--walls, --no-walls\n        add walls around the player start areas (default: off)",
        "--wolves, --no-wolves\n        add wolves (default: on)",
        "SNOW_FOREST, WATER,\n        or an index 0 to 22",
        "own    0  Each player has own area",
        "-o -, --stdout",
        "--list",
        "  0  the script was written",
        "  1  a file or folder",
        "  2  a bad option",
        "  3  the file could not be created",
        "  4  writing failed part-way",
    };
    for (const std::string& text : expected)
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
}

TEST_F(MapsmithGenerate, ListPrintsEveryEntryWithItsIndex)
{
    const ProcessResult run = Run({"--list"});
    EXPECT_EQ(run.exitCode, kDone);
    for (const ValueList* list : {&BaseTerrainList, &PlayerTerrainList, &ZoneDistanceList}) {
        for (int index = 0; index < list->Count(); ++index) {
            const std::string number = std::to_string(index);
            const std::string line = std::string(4 - number.size(), ' ') + number + "  " + std::string(list->At(index)) + "\n";
            EXPECT_NE(run.out.find(line), std::string::npos) << line;
        }
    }
    EXPECT_NE(run.out.find("Zone distances (--zone-distance):\n   0  0\n"), std::string::npos);
    EXPECT_NE(run.out.find("   6  10\n   7  20\n   8  50\n"), std::string::npos);
    EXPECT_NE(run.out.find("   3  random  Player areas are random\n"), std::string::npos);
    EXPECT_TRUE(m_folder.Entries().empty());
}

}  // namespace
