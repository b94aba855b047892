#include "ScriptedModalHost.h"

#include "ResourceIds.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace {

template <typename Answer>
Answer TakeFirst(std::deque<Answer> &queue)
{
    Answer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

} // namespace

ScriptedModalHost::ScriptedModalHost()
{
    ModalHost::Install(this);
}

ScriptedModalHost::~ScriptedModalHost()
{
    ModalHost::Install(nullptr);
    EXPECT_TRUE(m_messageAnswers.empty()) << m_messageAnswers.size() << " message answer(s) never used";
    EXPECT_TRUE(m_fileAnswers.empty()) << m_fileAnswers.size() << " file answer(s) never used";
    EXPECT_TRUE(m_printAnswers.empty()) << m_printAnswers.size() << " print answer(s) never used";
    EXPECT_TRUE(m_dialogAnswers.empty()) << m_dialogAnswers.size() << " dialog answer(s) never used";
}

void ScriptedModalHost::AnswerMessage(int result)
{
    m_messageAnswers.push_back([result](const MessageRequest &) { return result; });
}

void ScriptedModalHost::AnswerMessage(MessageAnswer answer)
{
    m_messageAnswers.push_back(std::move(answer));
}

void ScriptedModalHost::AnswerFile(std::optional<QString> path)
{
    m_fileAnswers.push_back([path](const FileDialogRequest &) { return path; });
}

void ScriptedModalHost::AnswerFile(FileAnswer answer)
{
    m_fileAnswers.push_back(std::move(answer));
}

void ScriptedModalHost::AnswerPrint(PrintAnswer answer)
{
    m_printAnswers.push_back(std::move(answer));
}

void ScriptedModalHost::AnswerDialog(DialogAnswer answer)
{
    m_dialogAnswers.push_back(std::move(answer));
}

int ScriptedModalHost::DoShowMessage(const MessageRequest &request)
{
    messages.push_back(request);
    if (m_messageAnswers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << request.text.toStdString();
        return IDCANCEL;
    }
    return TakeFirst(m_messageAnswers)(request);
}

std::optional<QString> ScriptedModalHost::DoChooseFile(const FileDialogRequest &request)
{
    fileDialogs.push_back(request);
    if (m_fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    return TakeFirst(m_fileAnswers)(request);
}

bool ScriptedModalHost::DoRunPrintDialog(QPrinter &printer)
{
    ++printDialogs;
    if (m_printAnswers.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    return TakeFirst(m_printAnswers)(printer);
}

int ScriptedModalHost::DoRunDialog(QDialog &dialog)
{
    dialogs.push_back(dialog.windowTitle());
    if (m_dialogAnswers.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return IDCANCEL;
    }
    return TakeFirst(m_dialogAnswers)(dialog);
}
