#include "tools/GenerateUsage.h"

#include "generator/ValueLists.h"
#include "tools/GenerateExitCode.h"

#include <sstream>

namespace {

constexpr std::size_t kWidth = 79;
constexpr std::string_view kDetailIndent = "        ";

constexpr std::string_view kIntroduction =
    "Usage: mapsmith-generate [OPTION]... [NAME]\n"
    "\n"
    "Writes the skeleton random map script NAME.rms exactly as the editor's\n"
    "Generate command does: \".rms\" is appended to NAME as typed (default NAME:\n"
    "Filename), the script's first line holds NAME, every line ends in CR LF, and\n"
    "an existing file or folder of that name is never replaced. A relative NAME is\n"
    "taken from the current folder.\n"
    "\n"
    "An option's value follows it as --OPTION=VALUE or --OPTION VALUE. A list value\n"
    "is an entry's text (case ignored) or its index in the list; an entry's text is\n"
    "matched first. When an option is given twice, the last one counts.\n";

constexpr std::string_view kOutputOptions =
    "Output and information:\n"
    "  -o -, --stdout\n"
    "        write the script to standard output (with CR LF line ends) instead of\n"
    "        the file NAME.rms\n"
    "  --list\n"
    "        print the value lists with their indexes\n"
    "  -h, --help\n"
    "        print this help\n"
    "  --\n"
    "        end of the options; a NAME after it may begin with '-'\n";

constexpr std::string_view kExample =
    "Example:\n"
    "  mapsmith-generate --base-terrain=WATER --player-terrain=GRASS \\\n"
    "      --zone-mode=team --zone-distance=10 --walls --no-comments \"Island Teams\"\n"
    "writes the file \"Island Teams.rms\" in the current folder.\n";

// Appends text as words filled into lines; the first line begins with
// indent, the others with hangingIndent.
void AppendFilled(std::string& out, std::string_view text, std::string_view indent, std::string_view hangingIndent)
{
    std::size_t column = 0;
    bool firstLine = true;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
        if (column != 0 && column + 1 + word.size() > kWidth) {
            out += '\n';
            column = 0;
            firstLine = false;
        }
        if (column == 0) {
            const std::string_view lead = firstLine ? indent : hangingIndent;
            out += lead;
            column = lead.size();
        } else {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
    }
    out += '\n';
}

void AppendFilled(std::string& out, std::string_view text, std::string_view indent)
{
    AppendFilled(out, text, indent, indent);
}

std::string Padded(std::string_view text, std::size_t width)
{
    std::string padded(text);
    if (padded.size() < width)
        padded.append(width - padded.size(), ' ');
    return padded;
}

// An index right-aligned in a column of its own.
std::string IndexColumn(int index)
{
    const std::string number = std::to_string(index);
    return std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') + number + "  ";
}

std::string OnOff(std::int32_t flag) { return flag != 0 ? "on" : "off"; }

void AppendListOption(std::string& out, const ListOption& option, const GenerationSettings& defaults)
{
    out += "  --" + std::string(option.name) + "=" + std::string(option.valueName) + "\n";
    AppendFilled(out, std::string(option.meaning) + " (default: " + std::string(option.list->At(defaults.*option.field)) + ")", kDetailIndent);
    AppendFilled(out, std::string(option.valueName) + ": " + AllowedValues(option), kDetailIndent);
}

void AppendZoneModeMeanings(std::string& out)
{
    for (const ZoneModeEntry& entry : ZoneModes) {
        const int mode = static_cast<int>(entry.mode);
        out += std::string(kDetailIndent) + "  " + Padded(ZoneModeWords().At(mode), 7) + std::to_string(mode) + "  " + std::string(entry.label) + "\n";
    }
}

}  // namespace

std::string AllowedValues(const ListOption& option)
{
    std::string values;
    for (std::string_view entry : option.list->Entries())
        values += std::string(entry) + ", ";
    return values + "or an index 0 to " + std::to_string(option.list->Count() - 1);
}

std::string OptionSummary()
{
    std::string summary = "-o -, --stdout, --list, -h, --help";
    for (const ListOption& option : ListOptions())
        summary += ", --" + std::string(option.name) + "=" + std::string(option.valueName);
    for (const FlagOption& option : FlagOptions())
        summary += ", --" + std::string(option.name) + ", --no-" + std::string(option.name);
    return summary + " (see --help)";
}

std::string HelpText()
{
    const GenerationSettings defaults;
    std::string out(kIntroduction);

    out += "\nTerrains and zones:\n";
    for (const ListOption& option : ListOptions()) {
        AppendListOption(out, option, defaults);
        if (option.list == &ZoneModeWords())
            AppendZoneModeMeanings(out);
    }

    out += "\nScript contents (--NAME adds a part, --no-NAME leaves it out):\n";
    for (const FlagOption& option : FlagOptions()) {
        out += "  --" + std::string(option.name) + ", --no-" + std::string(option.name) + "\n";
        AppendFilled(out, std::string(option.meaning) + " (default: " + OnOff(defaults.*option.field) + ")", kDetailIndent);
    }

    out += "\n" + std::string(kOutputOptions);

    out += "\nExit status:\n";
    for (const GenerateExitCodeEntry& entry : kGenerateExitCodes)
        AppendFilled(out, entry.meaning, "  " + std::to_string(static_cast<int>(entry.code)) + "  ", "     ");

    out += "\n" + std::string(kExample);
    return out;
}

std::string ListsText()
{
    std::string out;
    for (const ListOption& option : ListOptions()) {
        if (!out.empty())
            out += '\n';
        out += std::string(option.listTitle) + " (--" + std::string(option.name) + "):\n";
        for (int index = 0; index < option.list->Count(); ++index) {
            out += IndexColumn(index);
            if (option.list == &ZoneModeWords())
                out += Padded(option.list->At(index), 8) + std::string(ZoneModes[static_cast<std::size_t>(index)].label);
            else
                out += option.list->At(index);
            out += '\n';
        }
    }
    return out;
}
