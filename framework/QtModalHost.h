#pragma once

#include "ModalHost.h"

// The real modal interactions: Qt's message box, file and print dialogs,
// each owned by the main window.
class QtModalHost : public ModalHost {
protected:
    int DoShowMessage(const MessageRequest &request) override;
    std::optional<QString> DoChooseFile(const FileDialogRequest &request) override;
    bool DoRunPrintDialog(QPrinter &printer) override;
    int DoRunDialog(QDialog &dialog) override;
};
