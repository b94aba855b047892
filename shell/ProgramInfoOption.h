#pragma once

#include <optional>

// The two options every Linux program answers without opening a window:
// "--version" prints the version line, "--help" the command line's forms.
// Either ends the program; it is checked before anything else starts.
class ProgramInfoOption {
public:
    static constexpr char kVersionText[] = "Mapsmith Version 1.0";

    // The exit code when an argument asks for one of them, else nothing.
    static std::optional<int> Run(int argc, char **argv);
};
