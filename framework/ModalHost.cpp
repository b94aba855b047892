#include "ModalHost.h"

#include "AfxMainWnd.h"
#include "AppIdentity.h"
#include "QtModalHost.h"

#include <QPointer>
#include <QWidget>

namespace {

ModalHost *installedHost = nullptr;
int modalDepth = 0;

// Disables the main window for the length of one modal run; nested runs
// leave it to the outermost one to enable it again. The keyboard focus goes
// back where it was: disabling the window takes it away, and the script
// windows would otherwise pass it (and activation) to whichever takes it
// first when the window comes back.
class ModalScope {
public:
    ModalScope()
        : m_mainWindow(AfxGetMainWnd())
    {
        if (modalDepth++ == 0 && m_mainWindow) {
            m_focus = m_mainWindow->focusWidget();
            m_mainWindow->setEnabled(false);
        }
    }
    ~ModalScope()
    {
        if (--modalDepth == 0 && m_mainWindow) {
            m_mainWindow->setEnabled(true);
            if (m_focus)
                m_focus->setFocus(Qt::OtherFocusReason);
        }
    }
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;

private:
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_focus;
};

} // namespace

ModalHost &ModalHost::Current()
{
    static QtModalHost qtHost;
    return installedHost ? *installedHost : qtHost;
}

void ModalHost::Install(ModalHost *host)
{
    installedHost = host;
}

bool ModalHost::IsModalActive()
{
    return modalDepth > 0;
}

int ModalHost::ShowMessage(const MessageRequest &request)
{
    ModalScope scope;
    return DoShowMessage(request);
}

std::optional<QString> ModalHost::ChooseFile(const FileDialogRequest &request)
{
    ModalScope scope;
    return DoChooseFile(request);
}

bool ModalHost::RunPrintDialog(QPrinter &printer)
{
    ModalScope scope;
    return DoRunPrintDialog(printer);
}

int ModalHost::RunDialog(QDialog &dialog)
{
    ModalScope scope;
    return DoRunDialog(dialog);
}

int AfxMessageBox(const QString &text, MessageButtons buttons, MessageIcon icon)
{
    return ModalHost::Current().ShowMessage({QString::fromLatin1(kAppTitle), text, buttons, icon});
}
