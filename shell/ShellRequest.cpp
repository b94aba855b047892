#include "ShellRequest.h"

#include "CCommandLineInfo.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

namespace {

struct RequestForm {
    ShellRequest::Kind kind;
    const char *name;
    qsizetype argumentCount;
};

constexpr RequestForm kForms[] = {
    {ShellRequest::Kind::Open, "open", 1},
    {ShellRequest::Kind::Print, "print", 1},
    {ShellRequest::Kind::PrintTo, "printto", 4},
};

const RequestForm &FormOf(ShellRequest::Kind kind)
{
    for (const RequestForm &form : kForms) {
        if (form.kind == kind)
            return form;
    }
    return kForms[0];
}

QString Quoted(QString argument)
{
    argument.replace('"', "\"\"");
    return '"' + argument + '"';
}

// Reads "a","b",...) from position pos; on success pos is just past ")".
std::optional<QStringList> ReadArguments(const QString &text, qsizetype &pos)
{
    QStringList arguments;
    for (;;) {
        if (pos >= text.size() || text.at(pos) != '"')
            return std::nullopt;
        ++pos;
        QString argument;
        for (;;) {
            if (pos >= text.size())
                return std::nullopt;
            const QChar c = text.at(pos++);
            if (c != '"') {
                argument.append(c);
                continue;
            }
            if (pos < text.size() && text.at(pos) == '"') {
                argument.append('"');
                ++pos;
                continue;
            }
            break;
        }
        arguments.append(argument);
        if (pos >= text.size())
            return std::nullopt;
        const QChar separator = text.at(pos++);
        if (separator == ')')
            return arguments;
        if (separator != ',')
            return std::nullopt;
    }
}

} // namespace

ShellRequest ShellRequest::Open(const QString &path)
{
    return {Kind::Open, path, {}, {}, {}};
}

ShellRequest ShellRequest::Print(const QString &path)
{
    return {Kind::Print, path, {}, {}, {}};
}

ShellRequest ShellRequest::PrintTo(const QString &path, const QString &printer, const QString &driver,
                                   const QString &port)
{
    return {Kind::PrintTo, path, printer, driver, port};
}

std::optional<ShellRequest> ShellRequest::FromCommandLine(const CCommandLineInfo &info)
{
    using ShellCommand = CCommandLineInfo::ShellCommand;
    if (info.m_strFileName.isEmpty())
        return std::nullopt;
    const QString path = QFileInfo(info.m_strFileName).absoluteFilePath();
    switch (info.m_nShellCommand) {
    case ShellCommand::FileOpen:
        return Open(path);
    case ShellCommand::FilePrint:
        return Print(path);
    case ShellCommand::FilePrintTo:
        return PrintTo(path, info.m_strPrinterName, info.m_strDriverName, info.m_strPortName);
    case ShellCommand::FileNew:
    case ShellCommand::FileDDE:
    case ShellCommand::AppUnregister:
        break;
    }
    return std::nullopt;
}

QString ShellRequest::ToText() const
{
    QStringList arguments{Quoted(path)};
    if (kind == Kind::PrintTo)
        arguments << Quoted(printer) << Quoted(driver) << Quoted(port);
    return QString("[%1(%2)]").arg(QLatin1String(FormOf(kind).name), arguments.join(','));
}

std::optional<ShellRequest> ShellRequest::Parse(const QString &text)
{
    if (!text.startsWith('[') || !text.endsWith(']'))
        return std::nullopt;
    const qsizetype open = text.indexOf('(');
    if (open < 0)
        return std::nullopt;
    const QString name = text.mid(1, open - 1);
    for (const RequestForm &form : kForms) {
        if (name != QLatin1String(form.name))
            continue;
        qsizetype pos = open + 1;
        const std::optional<QStringList> arguments = ReadArguments(text, pos);
        if (!arguments || arguments->size() != form.argumentCount || pos != text.size() - 1)
            return std::nullopt;
        ShellRequest request{form.kind, arguments->at(0), arguments->value(1), arguments->value(2),
                             arguments->value(3)};
        if (request.path.isEmpty() || (request.kind == Kind::PrintTo && request.printer.isEmpty()))
            return std::nullopt;
        return request;
    }
    return std::nullopt;
}

std::optional<ShellRequest> ShellRequest::ParseUtf8(const QByteArray &bytes)
{
    // A byte-order mark stays in the text (and so fails the parse): the request is exact.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return Parse(text);
}
