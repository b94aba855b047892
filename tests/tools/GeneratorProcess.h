#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

struct ProcessResult {
    int exitCode = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs the built mapsmith-generate with arguments in folder, optionally with a
// limit on the size of the files it writes, and collects what it printed.
ProcessResult RunGenerator(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                           std::optional<rlim_t> fileSizeLimit = std::nullopt);
