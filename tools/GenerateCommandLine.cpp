#include "tools/GenerateCommandLine.h"

#include "tools/GenerateOptions.h"
#include "tools/GenerateUsage.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

constexpr std::string_view kFlagOff = "no-";

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// An entry's text first, then a number as an index.
std::optional<int> FindEntry(const ValueList& list, std::string_view value)
{
    for (int index = 0; index < list.Count(); ++index) {
        if (EqualIgnoringCase(list.At(index), value))
            return index;
    }
    int index = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), index);
    if (error == std::errc() && end == value.data() + value.size() && list.Holds(index))
        return index;
    return std::nullopt;
}

const FlagOption* FindFlag(std::string_view name)
{
    for (const FlagOption& option : FlagOptions()) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

const ListOption* FindListOption(std::string_view name)
{
    for (const ListOption& option : ListOptions()) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

CommandLineError UnknownOption(std::string_view argument)
{
    return {"unknown option " + Quoted(argument) + "\nallowed options: " + OptionSummary()};
}

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : m_arguments(arguments) {}

    std::variant<GenerateRequest, CommandLineError> Run()
    {
        bool optionsEnded = false;
        bool nameGiven = false;
        for (m_next = 0; m_next < m_arguments.size();) {
            const std::string_view argument = m_arguments[m_next++];
            const bool isOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
            if (!isOption) {
                if (nameGiven)
                    return CommandLineError{"more than one NAME given: " + Quoted(m_request.settings.m_strFileName) + " and " + Quoted(argument) + "\nonly one NAME is allowed (use quotes for a name with spaces)"};
                m_request.settings.m_strFileName = argument;
                nameGiven = true;
            } else if (argument == "--") {
                optionsEnded = true;
            } else if (std::optional<CommandLineError> error = Option(argument)) {
                return *error;
            }
        }
        return m_request;
    }

private:
    std::optional<CommandLineError> Option(std::string_view argument)
    {
        if (argument == "-h" || argument == "--help") {
            m_request.action = GenerateAction::ShowHelp;
            return std::nullopt;
        }
        if (argument == "--list") {
            m_request.action = GenerateAction::ShowLists;
            return std::nullopt;
        }
        if (argument == "--stdout") {
            m_request.output = GenerateOutput::StandardOutput;
            return std::nullopt;
        }
        if (argument == "-o")
            return Output(argument);
        if (!argument.starts_with("--"))
            return UnknownOption(argument);

        std::string_view name = argument.substr(2);
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (const ListOption* option = FindListOption(name))
            return Choose(*option, inlineValue);

        const bool clear = name.starts_with(kFlagOff);
        const FlagOption* flag = FindFlag(clear ? name.substr(kFlagOff.size()) : name);
        if (flag == nullptr)
            return UnknownOption(argument);
        if (inlineValue)
            return CommandLineError{"option --" + std::string(name) + " takes no value; use --" + std::string(flag->name) + " or --no-" + std::string(flag->name)};
        m_request.settings.*flag->field = clear ? 0 : 1;
        return std::nullopt;
    }

    std::optional<CommandLineError> Output(std::string_view argument)
    {
        if (m_next == m_arguments.size())
            return CommandLineError{"option " + std::string(argument) + " needs a value: '-' (standard output)"};
        const std::string_view value = m_arguments[m_next++];
        if (value != "-")
            return CommandLineError{"option -o takes only '-' (standard output), not " + Quoted(value) + "; the file written is NAME followed by .rms"};
        m_request.output = GenerateOutput::StandardOutput;
        return std::nullopt;
    }

    std::optional<CommandLineError> Choose(const ListOption& option, std::optional<std::string_view> inlineValue)
    {
        if (!inlineValue && m_next == m_arguments.size())
            return CommandLineError{"option --" + std::string(option.name) + " needs a value: " + AllowedValues(option)};
        const std::string_view value = inlineValue ? *inlineValue : m_arguments[m_next++];
        const std::optional<int> index = FindEntry(*option.list, value);
        if (!index)
            return CommandLineError{Quoted(value) + " is not a value of --" + std::string(option.name) + "; allowed: " + AllowedValues(option)};
        m_request.settings.*option.field = *index;
        return std::nullopt;
    }

    std::span<const std::string_view> m_arguments;
    std::size_t m_next = 0;
    GenerateRequest m_request;
};

}  // namespace

std::variant<GenerateRequest, CommandLineError> GenerateCommandLine::Parse(std::span<const std::string_view> arguments)
{
    return Parser(arguments).Run();
}
