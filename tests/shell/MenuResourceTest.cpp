#include "MainFrameFixture.h"

#include <QTest>

#include <set>
#include <vector>

namespace {

// One menu item as the menu bar shows it; a separator has no text and id 0.
struct Item {
    QString text;
    int id;
    bool operator==(const Item &) const = default;
};
void PrintTo(const Item &item, std::ostream *out)
{
    *out << '"' << item.text.toStdString() << "\" " << item.id;
}

struct PopupItems {
    QString title;
    std::vector<Item> items;
};

const Item separator{QString(), ID_SEPARATOR};

const std::vector<PopupItems> menu128{
    {"&File",
     {{"&New\tCtrl+N", ID_FILE_NEW},
      {"&Open...\tCtrl+O", ID_FILE_OPEN},
      separator,
      {"Recent File", ID_FILE_MRU_FILE1},
      separator,
      {"E&xit", ID_APP_EXIT}}},
    {"&View", {{"&Toolbar", ID_VIEW_TOOLBAR}, {"&Status Bar", ID_VIEW_STATUS_BAR}}},
    {"&Help", {{"&About Mapsmith...", ID_APP_ABOUT}}},
};

const std::vector<PopupItems> menu129{
    {"&File",
     {{"&New\tCtrl+N", ID_FILE_NEW},
      {"&Open...\tCtrl+O", ID_FILE_OPEN},
      {"&Close", ID_FILE_CLOSE},
      {"&Save\tCtrl+S", ID_FILE_SAVE},
      {"Save &As...", ID_FILE_SAVE_AS},
      separator,
      {"&Generate", ID_GENERATE},
      separator,
      {"Recent File", ID_FILE_MRU_FILE1},
      separator,
      {"E&xit", ID_APP_EXIT}}},
    {"&Edit",
     {{"&Undo\tCtrl+Z", ID_EDIT_UNDO},
      separator,
      {"Cu&t\tCtrl+X", ID_EDIT_CUT},
      {"&Copy\tCtrl+C", ID_EDIT_COPY},
      {"&Paste\tCtrl+V", ID_EDIT_PASTE}}},
    {"&View", {{"&Toolbar", ID_VIEW_TOOLBAR}, {"&Status Bar", ID_VIEW_STATUS_BAR}}},
    {"&Window",
     {{"&New Window", ID_WINDOW_NEW},
      {"&Cascade", ID_WINDOW_CASCADE},
      {"&Tile", ID_WINDOW_TILE_HORZ},
      {"&Arrange Icons", ID_WINDOW_ARRANGE}}},
    {"&Help", {{"&About Mapsmith...", ID_APP_ABOUT}}},
};

class MenuResourceTest : public MainFrameTest {
protected:
    // The menu bar as shown, without the Window menu's list of windows.
    void ExpectMenuBar(const std::vector<PopupItems> &expected) const
    {
        QStringList titles;
        for (const PopupItems &popup : expected)
            titles << popup.title;
        ASSERT_EQ(PopupTitles(), titles);
        for (const PopupItems &popup : expected) {
            std::vector<Item> items;
            for (QAction *action : Popup(popup.title)->actions()) {
                if (items.size() == popup.items.size())
                    break;
                items.push_back(action->isSeparator()
                                    ? separator
                                    : Item{action->text(), CommandActions::CommandId(action).value_or(-1)});
            }
            EXPECT_EQ(items, popup.items) << popup.title.toStdString();
        }
    }
};

TEST_F(MenuResourceTest, Menu129ShowsWhileAScriptWindowIsActiveAnd128WhenTheLastOneCloses)
{
    ExpectMenuBar(menu129);
    frame->OnCommand(ID_WINDOW_NEW);
    ExpectMenuBar(menu129);

    CloseAllScriptWindows();
    ExpectMenuBar(menu128);

    app.OnFileNew();
    ExpectMenuBar(menu129);
}

TEST_F(MenuResourceTest, TheRecentFilePlaceholderIsGrayedInBothMenus)
{
    frame->OnIdleUpdateCmdUI();
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1)->isEnabled());
    CloseAllScriptWindows();
    OpenPopup("&File");
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1)->isEnabled());
}

TEST_F(MenuResourceTest, ToolbarButtonsInOrderWithSeparators)
{
    std::vector<int> buttons;
    for (QAction *action : ToolBar().actions())
        buttons.push_back(action->isSeparator() ? ID_SEPARATOR : CommandActions::CommandId(action).value_or(-1));
    EXPECT_EQ(buttons, (std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_SEPARATOR,
                                         ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR, ID_GENERATE}));

    std::set<qint64> images;
    for (QAction *action : ToolBar().actions()) {
        if (action->isSeparator())
            continue;
        const QImage image = action->icon().pixmap(QSize(16, 15)).toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(16, 15));
        images.insert(qHashBits(image.constBits(), image.sizeInBytes()));
        const QImage twice = action->icon().pixmap(QSize(32, 30)).toImage();
        EXPECT_EQ(twice.size(), QSize(32, 30)) << "a drawing of its own at twice the size";
    }
    EXPECT_EQ(images.size(), 8u) << "every button has an image of its own";
}

// Every key of accelerator table 128 sends its command: the test's
// application handles them all and records what arrives.
class RecordingApp : public CMapsmithApp {
public:
    std::vector<int> received;

protected:
    const MessageMap *GetMessageMap() const override
    {
        static const MessageMap map(CMapsmithApp::GetMessageMap(), {
            MapCommandRange(0, 0xFFFF, &RecordingApp::Record),
        });
        return &map;
    }
    void Record(int id) { received.push_back(id); }
};

struct Accelerator {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int id;
};

TEST(AcceleratorTable, EachKeySendsItsCommand)
{
    RecordingApp app;
    ASSERT_TRUE(app.InitInstance());
    CMDIFrameWnd *frame = app.GetMainFrame();
    // Without a script window the route ends at the application, which
    // records every command instead of carrying it out.
    for (QMdiSubWindow *window : frame->MDIClient()->subWindowList())
        window->close();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    const std::vector<Accelerator> table{
        {Qt::Key_C, Qt::ControlModifier, ID_EDIT_COPY},    {Qt::Key_N, Qt::ControlModifier, ID_FILE_NEW},
        {Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},    {Qt::Key_S, Qt::ControlModifier, ID_FILE_SAVE},
        {Qt::Key_V, Qt::ControlModifier, ID_EDIT_PASTE},   {Qt::Key_Backspace, Qt::AltModifier, ID_EDIT_UNDO},
        {Qt::Key_Delete, Qt::ShiftModifier, ID_EDIT_CUT},  {Qt::Key_F6, Qt::NoModifier, ID_NEXT_PANE},
        {Qt::Key_F6, Qt::ShiftModifier, ID_PREV_PANE},     {Qt::Key_Insert, Qt::ControlModifier, ID_EDIT_COPY},
        {Qt::Key_Insert, Qt::ShiftModifier, ID_EDIT_PASTE}, {Qt::Key_X, Qt::ControlModifier, ID_EDIT_CUT},
        {Qt::Key_Z, Qt::ControlModifier, ID_EDIT_UNDO},
    };
    for (const Accelerator &accelerator : table) {
        app.received.clear();
        frame->OnIdleUpdateCmdUI();
        QTest::keyClick(frame, accelerator.key, accelerator.modifiers);
        EXPECT_EQ(app.received, std::vector<int>{accelerator.id})
            << QKeySequence(accelerator.key | accelerator.modifiers).toString().toStdString();
    }
}

} // namespace
