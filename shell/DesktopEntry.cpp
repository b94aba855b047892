#include "DesktopEntry.h"

#include "AppIdentity.h"

#include <QStringList>

namespace {

// The fixed keys of the entry, in the order written.
constexpr const char *kFixedKeys[][2] = {
    {"Type", "Application"},
    {"Version", "1.5"},
    {"Name", kAppTitle},
    {"GenericName", "Random Map Script Editor"},
    {"Comment", "Edit and generate random map scripts"},
    {"Categories", "Utility;TextEditor;"},
    {"Terminal", "false"},
};

} // namespace

QString DesktopEntry::Text(const QString &executablePath, const QString &mimeType, const QString &iconName)
{
    QStringList lines{"[Desktop Entry]"};
    for (const auto &key : kFixedKeys)
        lines.append(QString("%1=%2").arg(QLatin1String(key[0]), QLatin1String(key[1])));
    lines.append("Icon=" + EscapeValue(iconName));
    lines.append("TryExec=" + EscapeValue(executablePath));
    lines.append("Exec=" + EscapeValue(QuoteExecArgument(executablePath) + " %f"));
    lines.append("MimeType=" + mimeType + ';');
    return lines.join('\n') + '\n';
}

QString DesktopEntry::QuoteExecArgument(const QString &argument)
{
    QString quoted = "\"";
    for (const QChar c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted.append('\\');
        if (c == '%')
            quoted.append('%');
        quoted.append(c);
    }
    return quoted + '"';
}

QString DesktopEntry::EscapeValue(const QString &value)
{
    QString escaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == '\\')
            escaped.append("\\\\");
        else if (c == '\n')
            escaped.append("\\n");
        else if (c == '\t')
            escaped.append("\\t");
        else if (c == '\r')
            escaped.append("\\r");
        else if (c == ' ' && i == 0)
            escaped.append("\\s");
        else
            escaped.append(c);
    }
    return escaped;
}
