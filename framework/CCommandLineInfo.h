#pragma once

#include <QString>
#include <QStringList>

// What the command line asks the program to do at start-up.
class CCommandLineInfo {
public:
    enum class ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    ShellCommand m_nShellCommand = ShellCommand::FileNew;
    QString m_strFileName;     // the first name given
    QString m_strPrinterName;  // print-to only: the three names after the file
    QString m_strDriverName;
    QString m_strPortName;
    bool m_bRunEmbedded = false;   // "Embedding": no unregistration message
    bool m_bRunAutomated = false;  // "Automation": no visible effect
};

// Fills info from the program's arguments (without the program's own name).
//
// An argument starting with "-" is a switch; one starting with "/" is a
// switch too unless it is a path: it holds a further "/", or it is not one
// of the known switch words and names an existing file. Everything else is
// a name; an empty argument is no name at all. Known switches: "p", "pt",
// "dde" (exact case), "Unregister", "Unregserver", "Embedding",
// "Automation" (any case); others are ignored. The first name is the file;
// with "pt" anywhere on the line the next three names are printer, driver
// and port; further names are ignored. A file makes the command open-file
// unless a switch chose another.
void ParseCommandLine(const QStringList &arguments, CCommandLineInfo &info);
