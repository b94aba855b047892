#include "CWaitCursor.h"

#include <QApplication>
#include <QCursor>

namespace {
int waitDepth = 0;
}

void AfxBeginWaitCursor()
{
    if (waitDepth++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void AfxEndWaitCursor()
{
    if (waitDepth == 0)
        return;
    if (--waitDepth == 0)
        QApplication::restoreOverrideCursor();
}

int AfxWaitCursorDepth()
{
    return waitDepth;
}
