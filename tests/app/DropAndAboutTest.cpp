#include "AppFixture.h"
#include "CAboutBox.h"
#include "CView.h"
#include "ResourceIds.h"

#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class DropTest : public AppTest {
protected:
    // Delivers a drop to the widget as the window system would; returns
    // whether the drag was taken on entering and the drop accepted.
    static std::pair<bool, bool> Drop(QWidget *target, QMimeData &data)
    {
        const QPointF at(10, 10);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.ignore();
        QApplication::sendEvent(target, &drop);
        return {enter.isAccepted(), drop.isAccepted()};
    }
    static void SetFiles(QMimeData &data, const QStringList &paths)
    {
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
    }
};

TEST_F(DropTest, DroppedFilesOpenInTheOrderGivenAnywhereOnTheWindow)
{
    ASSERT_TRUE(Start());
    const QString a = MakeFile("a.rms");
    const QString b = MakeFile("b.txt");
    const QString c = MakeFile("c.rms");

    QMimeData two;
    SetFiles(two, {b, a});
    EXPECT_EQ(Drop(&Frame(), two), std::make_pair(true, true));
    EXPECT_EQ(PathNames(), (QStringList{QString(), b, a}));
    EXPECT_EQ(ActiveDocument()->GetPathName(), a);
    EXPECT_EQ(RecentFiles(), (QStringList{a, b}));

    // Over a script window's view, and again over an open file: activated.
    QMimeData more;
    SetFiles(more, {c, b});
    QWidget *view = Frame().GetActiveView()->GetWidget();
    EXPECT_EQ(Drop(view, more), std::make_pair(true, true));
    EXPECT_EQ(PathNames(), (QStringList{QString(), b, a, c}));
    EXPECT_EQ(ActiveDocument()->GetPathName(), b);
}

TEST_F(DropTest, DropsOfAnythingButLocalFilesAreNotTaken)
{
    ASSERT_TRUE(Start());
    QMimeData text;
    text.setText("player_setup");
    EXPECT_EQ(Drop(&Frame(), text), std::make_pair(false, false));
    QMimeData web;
    web.setUrls({QUrl("https://example.org/map.rms")});
    EXPECT_EQ(Drop(&Frame(), web), std::make_pair(false, false));
    EXPECT_EQ(Titles(), QStringList{"RMS1"});
}

TEST_F(DropTest, AMissingDroppedFileShowsItsMessageAndTheRestStillOpen)
{
    ASSERT_TRUE(Start());
    const QString present = MakeFile("present.rms");
    host.AnswerMessage(IDOK);
    QMimeData data;
    SetFiles(data, {Folder() + "/gone.rms", present});
    Drop(&Frame(), data);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(PathNames(), (QStringList{QString(), present}));
}

TEST_F(AppTest, AboutRunsTheAboutBoxWithTheApplicationIconOverADisabledMainWindow)
{
    ASSERT_TRUE(Start());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    bool mainWindowEnabled = true;
    host.AnswerDialog([&](QDialog &shown) {
        auto *box = dynamic_cast<CAboutBox *>(&shown);
        EXPECT_NE(box, nullptr);
        if (box) {
            auto *icon = qobject_cast<QLabel *>(box->Controls().at(0));
            EXPECT_TRUE(icon && !icon->pixmap().isNull());
        }
        mainWindowEnabled = Frame().isEnabled();
        return IDOK;
    });
    EXPECT_TRUE(Frame().OnCommand(ID_APP_ABOUT));
    EXPECT_EQ(host.dialogs, std::vector<QString>{"About the Mapsmith"});
    EXPECT_FALSE(mainWindowEnabled);
    EXPECT_TRUE(Frame().isEnabled());

    // Also with no script window open.
    app.CloseAllDocuments();
    host.AnswerDialog([](QDialog &) { return IDOK; });
    EXPECT_TRUE(Frame().OnCommand(ID_APP_ABOUT));
}

} // namespace
