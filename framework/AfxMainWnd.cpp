#include "AfxMainWnd.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> mainWindow;
std::function<void(int)> commandReceiver;
}

QWidget *AfxGetMainWnd()
{
    return mainWindow;
}

void AfxSetMainWnd(QWidget *window)
{
    mainWindow = window;
}

void AfxSetMainCommandReceiver(std::function<void(int)> receiver)
{
    commandReceiver = std::move(receiver);
}

void AfxSendMainCommand(int commandId)
{
    if (commandReceiver)
        commandReceiver(commandId);
}
