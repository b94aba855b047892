#include "CCommandLineInfo.h"

#include <QFileInfo>

#include <optional>

namespace {

using ShellCommand = CCommandLineInfo::ShellCommand;

enum class SwitchEffect { Print, PrintTo, Dde, Unregister, Embedding, Automation };

struct SwitchWord {
    const char *text;
    Qt::CaseSensitivity sensitivity;
    SwitchEffect effect;
};

constexpr SwitchWord kSwitches[] = {
    {"p", Qt::CaseSensitive, SwitchEffect::Print},
    {"pt", Qt::CaseSensitive, SwitchEffect::PrintTo},
    {"dde", Qt::CaseSensitive, SwitchEffect::Dde},
    {"Unregister", Qt::CaseInsensitive, SwitchEffect::Unregister},
    {"Unregserver", Qt::CaseInsensitive, SwitchEffect::Unregister},
    {"Embedding", Qt::CaseInsensitive, SwitchEffect::Embedding},
    {"Automation", Qt::CaseInsensitive, SwitchEffect::Automation},
};

std::optional<SwitchEffect> FindSwitch(const QString &word)
{
    for (const SwitchWord &known : kSwitches) {
        if (word.compare(QLatin1String(known.text), known.sensitivity) == 0)
            return known.effect;
    }
    return std::nullopt;
}

// On Linux "/" also starts every absolute path, so a "/" argument is a
// switch only when it cannot be a path the user meant.
bool IsSwitch(const QString &argument)
{
    if (argument.startsWith('-'))
        return true;
    if (!argument.startsWith('/'))
        return false;
    const QString word = argument.mid(1);
    if (word.contains('/'))
        return false;
    return FindSwitch(word) || !QFileInfo::exists(argument);
}

void ApplySwitch(SwitchEffect effect, CCommandLineInfo &info)
{
    switch (effect) {
    case SwitchEffect::Print:
        info.m_nShellCommand = ShellCommand::FilePrint;
        break;
    case SwitchEffect::PrintTo:
        info.m_nShellCommand = ShellCommand::FilePrintTo;
        break;
    case SwitchEffect::Dde:
        info.m_nShellCommand = ShellCommand::FileDDE;
        break;
    case SwitchEffect::Unregister:
        info.m_nShellCommand = ShellCommand::AppUnregister;
        break;
    case SwitchEffect::Embedding:
        info.m_bRunEmbedded = true;
        break;
    case SwitchEffect::Automation:
        info.m_bRunAutomated = true;
        break;
    }
}

} // namespace

void ParseCommandLine(const QStringList &arguments, CCommandLineInfo &info)
{
    QStringList names;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        if (!IsSwitch(argument)) {
            names.append(argument);
            continue;
        }
        if (const std::optional<SwitchEffect> effect = FindSwitch(argument.mid(1)))
            ApplySwitch(*effect, info);
    }

    if (names.isEmpty())
        return;
    info.m_strFileName = names.at(0);
    if (info.m_nShellCommand == ShellCommand::FileNew)
        info.m_nShellCommand = ShellCommand::FileOpen;
    if (info.m_nShellCommand == ShellCommand::FilePrintTo) {
        info.m_strPrinterName = names.value(1);
        info.m_strDriverName = names.value(2);
        info.m_strPortName = names.value(3);
    }
}
