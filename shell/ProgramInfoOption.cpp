#include "ProgramInfoOption.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kUsage[] = R"(Usage: mapsmith [FILE]
       mapsmith -p FILE
       mapsmith -pt FILE PRINTER DRIVER PORT
       mapsmith -dde | -Unregister

Edits random map scripts (.rms). Opens FILE, or a new empty script, in the
running Mapsmith, or starts it maximized.

  FILE              the script to open; later names are ignored
  -p FILE           print FILE without the print dialog, then end
  -pt FILE PRINTER DRIVER PORT
                    print FILE on PRINTER without the print dialog, then end
  -dde              start without a new script, waiting for files to open
  -Unregister       remove the desktop entry, the .rms file type and the
                    settings (also -Unregserver)
  -Embedding        with -Unregister: no message
  --version         print the version and end
  --help            print this help and end

A switch may begin with "/" instead of "-". The exit code is 0, or 1 when
the main window cannot be made or FILE cannot be opened.
)";

} // namespace

std::optional<int> ProgramInfoOption::Run(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", kVersionText);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    return std::nullopt;
}
