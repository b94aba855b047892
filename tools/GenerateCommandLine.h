#pragma once

#include "generator/GenerationSettings.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

enum class GenerateAction { Write, ShowHelp, ShowLists };
enum class GenerateOutput { File, StandardOutput };

// What the command line asks for.
struct GenerateRequest {
    GenerateAction action = GenerateAction::Write;
    GenerateOutput output = GenerateOutput::File;
    GenerationSettings settings;
};

// A command line that cannot be carried out; the message names what is allowed.
struct CommandLineError {
    std::string message;
};

class GenerateCommandLine {
public:
    // Reads the arguments after the program name.
    static std::variant<GenerateRequest, CommandLineError> Parse(std::span<const std::string_view> arguments);
};
