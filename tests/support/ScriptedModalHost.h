#pragma once

#include "ModalHost.h"

#include <deque>
#include <functional>
#include <vector>

// Answers every modal interaction from a script the test sets up beforehand,
// and records what was asked. Installed for its lifetime. A request with no
// answer queued fails the test and is answered with Cancel.
class ScriptedModalHost : public ModalHost {
public:
    using MessageAnswer = std::function<int(const MessageRequest &)>;
    using FileAnswer = std::function<std::optional<QString>(const FileDialogRequest &)>;
    using PrintAnswer = std::function<bool(QPrinter &)>;
    using DialogAnswer = std::function<int(QDialog &)>;

    ScriptedModalHost();
    ~ScriptedModalHost() override;
    ScriptedModalHost(const ScriptedModalHost &) = delete;
    ScriptedModalHost &operator=(const ScriptedModalHost &) = delete;

    void AnswerMessage(int result);
    void AnswerMessage(MessageAnswer answer);
    void AnswerFile(std::optional<QString> path);
    void AnswerFile(FileAnswer answer);
    void AnswerPrint(PrintAnswer answer);
    void AnswerDialog(DialogAnswer answer);

    // What was asked, in order.
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> fileDialogs;
    int printDialogs = 0;
    std::vector<QString> dialogs;  // window titles of application dialogs

protected:
    int DoShowMessage(const MessageRequest &request) override;
    std::optional<QString> DoChooseFile(const FileDialogRequest &request) override;
    bool DoRunPrintDialog(QPrinter &printer) override;
    int DoRunDialog(QDialog &dialog) override;

private:
    std::deque<MessageAnswer> m_messageAnswers;
    std::deque<FileAnswer> m_fileAnswers;
    std::deque<PrintAnswer> m_printAnswers;
    std::deque<DialogAnswer> m_dialogAnswers;
};
