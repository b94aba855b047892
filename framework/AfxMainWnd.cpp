#include "AfxMainWnd.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> mainWindow;
}

QWidget *AfxGetMainWnd()
{
    return mainWindow;
}

void AfxSetMainWnd(QWidget *window)
{
    mainWindow = window;
}
