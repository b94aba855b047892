#include "AfxMainWnd.h"
#include "CAboutBox.h"
#include "DialogTestSupport.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(AboutBox, ShowsTheIconTheVersionAndADefaultCloseButtonCentredOverTheMainWindow)
{
    QMainWindow mainWindow;
    mainWindow.setGeometry(50, 40, 800, 600);
    mainWindow.show();
    AfxSetMainWnd(&mainWindow);
    QPixmap appIcon(32, 32);
    appIcon.fill(Qt::darkGreen);
    QApplication::setWindowIcon(QIcon(appIcon));

    ScriptedModalHost host;
    host.AnswerDialog([&](QDialog &shown) {
        auto &box = static_cast<CAboutBox &>(shown);
        EXPECT_EQ(box.windowTitle(), "About the Mapsmith");
        EXPECT_EQ(box.size(), box.MapDialogRect({0, 0, 103, 106}).size());

        const auto &controls = box.Controls();
        EXPECT_EQ(controls.size(), 3u);
        auto *icon = qobject_cast<QLabel *>(controls.at(0));
        EXPECT_TRUE(icon && !icon->pixmap().isNull()) << "the application icon is shown";
        EXPECT_EQ(controls.at(0)->geometry(), box.MapDialogRect({39, 7, 21, 20}));

        auto *version = qobject_cast<QLabel *>(controls.at(1));
        EXPECT_TRUE(version && version->text() == "Mapsmith Version 1.0");
        EXPECT_TRUE(version && (version->alignment() & Qt::AlignHCenter));
        EXPECT_EQ(controls.at(1)->geometry(), box.MapDialogRect({7, 34, 89, 8}));

        auto *close = qobject_cast<QPushButton *>(box.GetDlgItem(IDOK));
        EXPECT_TRUE(close && close->text() == "Close" && close->isDefault());
        EXPECT_EQ(controls.at(2), close);
        EXPECT_EQ(controls.at(2)->geometry(), box.MapDialogRect({27, 85, 50, 14}));

        const QPoint offset = QRect(box.pos(), box.size()).center() - mainWindow.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1);

        ShowActive(box);
        EXPECT_EQ(QApplication::focusWidget(), close);
        PressKey(Qt::Key_Return);
        return box.result();
    });
    EXPECT_EQ(CAboutBox().DoModal(), IDOK);

    host.AnswerDialog([](QDialog &box) {
        ShowActive(box);
        PressKey(Qt::Key_Escape);
        return box.result();
    });
    EXPECT_EQ(CAboutBox().DoModal(), IDCANCEL);

    QApplication::setWindowIcon(QIcon());
    AfxSetMainWnd(nullptr);
}
