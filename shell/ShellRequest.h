#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class CCommandLineInfo;

// One open or print request as it travels from a later start of the
// program to the running one:
//   [open("path")]   [print("path")]   [printto("path","printer","driver","port")]
// Every argument stands in double quotes; a double quote inside an argument
// is written twice (""), so any Linux file name travels unchanged. The text
// is exact: no blanks around the pieces, one request per text. The path
// and, for printto, the printer must not be empty.
struct ShellRequest {
    enum class Kind { Open, Print, PrintTo };

    Kind kind = Kind::Open;
    QString path;
    QString printer;
    QString driver;
    QString port;

    static ShellRequest Open(const QString &path);
    static ShellRequest Print(const QString &path);
    static ShellRequest PrintTo(const QString &path, const QString &printer, const QString &driver,
                                const QString &port);

    // The request a start with this command line hands to a running
    // instance, its file made absolute against the current folder; none
    // for a command line without a file to open or print.
    static std::optional<ShellRequest> FromCommandLine(const CCommandLineInfo &info);

    QString ToText() const;
    // The request in a text, or none when the text is not exactly one
    // well-formed request.
    static std::optional<ShellRequest> Parse(const QString &text);
    // The same for UTF-8 bytes; bytes that are not valid UTF-8 are no request.
    static std::optional<ShellRequest> ParseUtf8(const QByteArray &bytes);

    friend bool operator==(const ShellRequest &, const ShellRequest &) = default;
};
