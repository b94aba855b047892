#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QPrinter;

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { Exclamation, Stop, Information, Question };

struct MessageRequest {
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Exclamation;
};

enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString title;
    QString proposedPath;   // initial file name or full path; empty for none
    QStringList filters;    // e.g. "RMS Files (*.rms)", "All Files (*.*)"; the first is selected
    QString defaultSuffix;  // added to a typed name that has no extension, without the dot
};

// Every modal interaction of the program (message boxes, file and print
// dialogs, application dialogs) goes through the installed host, so tests
// answer them from a script instead of blocking. While one runs, the main
// window is disabled, which is also how shell requests know to wait.
class ModalHost {
public:
    virtual ~ModalHost() = default;

    static ModalHost &Current();
    // Installs a host for the whole program; nullptr brings back the Qt one.
    static void Install(ModalHost *host);
    static bool IsModalActive();

    // Returns IDOK, IDYES, IDNO or IDCANCEL.
    int ShowMessage(const MessageRequest &request);
    // The chosen path, or nothing when cancelled.
    std::optional<QString> ChooseFile(const FileDialogRequest &request);
    // True when the user chose to print; the printer then holds the choices.
    bool RunPrintDialog(QPrinter &printer);
    // Runs an application dialog modally and returns its end code.
    int RunDialog(QDialog &dialog);

protected:
    virtual int DoShowMessage(const MessageRequest &request) = 0;
    virtual std::optional<QString> DoChooseFile(const FileDialogRequest &request) = 0;
    virtual bool DoRunPrintDialog(QPrinter &printer) = 0;
    virtual int DoRunDialog(QDialog &dialog) = 0;
};

// Shows a message box captioned with the application title; returns the
// button pressed (IDOK, IDYES, IDNO, IDCANCEL).
int AfxMessageBox(const QString &text, MessageButtons buttons = MessageButtons::Ok,
                  MessageIcon icon = MessageIcon::Exclamation);
