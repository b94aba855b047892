#include "ShellRequestGate.h"

#include "AfxMainWnd.h"
#include "ModalHost.h"

#include <QApplication>
#include <QWidget>

bool MainWindowAcceptsShellRequests()
{
    const QWidget *mainWindow = AfxGetMainWnd();
    return mainWindow && mainWindow->isEnabled() && !ModalHost::IsModalActive()
        && !QApplication::activeModalWidget();
}
