#include "DialogTestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

void ShowActive(QDialog &dialog)
{
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog)) << "the dialog never became the active window";
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClick(target, key, modifiers);
}

std::vector<QWidget *> TabSequence(int count)
{
    std::vector<QWidget *> visited;
    for (int i = 0; i < count; ++i) {
        PressKey(Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    return visited;
}
