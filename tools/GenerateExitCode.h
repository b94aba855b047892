#pragma once

#include <array>
#include <string_view>

// The exit status of mapsmith-generate, one per way a run can end.
enum class GenerateExitCode : int {
    Done = 0,
    Exists = 1,
    BadCommandLine = 2,
    CannotCreate = 3,
    WriteFailed = 4,
};

struct GenerateExitCodeEntry {
    GenerateExitCode code;
    std::string_view meaning;
};

// For the help text.
inline constexpr std::array<GenerateExitCodeEntry, 5> kGenerateExitCodes{{
    {GenerateExitCode::Done, "the script was written, or the help or the lists were printed"},
    {GenerateExitCode::Exists, "a file or folder of the name NAME.rms already exists; it was left alone"},
    {GenerateExitCode::BadCommandLine, "a bad option, value or argument; nothing was written"},
    {GenerateExitCode::CannotCreate, "the file could not be created (for example, a missing folder)"},
    {GenerateExitCode::WriteFailed, "writing failed part-way (disk full, a file-size limit, a closed output); no partial file is left"},
}};
