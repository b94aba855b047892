#include "AfxMainWnd.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "DialogTestSupport.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string_view>

namespace {

constexpr int kList = 10;
constexpr int kFirstRadio = 20;
constexpr int kSecondRadio = 21;
constexpr int kCheck = 30;
constexpr int kEdit = 40;

using enum ControlKind;
using enum ControlStyle;

// A small dialog with a control of every kind that takes input, labels and
// a group box between them, and the list given out of text order.
constexpr DialogControl kControls[] = {
    {kList, ComboBox, "", {10, 10, 60, 50}, Sorted | TabStop},
    {IDC_STATIC, Label, "label", {75, 10, 40, 12}, VCenter | Group},
    {kFirstRadio, RadioButton, "one", {10, 30, 50, 10}, Group | TabStop},
    {kSecondRadio, RadioButton, "two", {10, 42, 50, 10}, TabStop},
    {IDC_STATIC, GroupBox, "box", {5, 25, 110, 32}, Group},
    {kCheck, CheckBox, "check", {10, 60, 50, 10}, TabStop},
    {kEdit, Edit, "", {10, 75, 60, 14}, Border | AutoHScroll | TabStop},
    {IDOK, PushButton, "OK", {80, 75, 50, 14}, TabStop},
    {IDCANCEL, PushButton, "Cancel", {80, 93, 50, 14}, TabStop},
};

constexpr DialogTemplate kTemplate{900, "Test Dialog", {140, 112}, DialogStyle::ModalFrame | DialogStyle::CloseBox,
                                   kControls};

constexpr std::array<std::string_view, 3> kEntries = {"b_x", "a", "b2"};
constexpr DialogListData kLists[] = {{kList, kEntries}};

class TestDialog : public CDialog {
public:
    explicit TestDialog(std::span<const DialogListData> lists = kLists)
        : CDialog(kTemplate, lists)
    {
    }

    std::int32_t m_nChoice = 1;
    std::string m_strText = "text";

protected:
    void DoDataExchange(CDataExchange &dx) override
    {
        DDX_Radio(dx, kFirstRadio, m_nChoice);
        DDX_Text(dx, kEdit, m_strText);
    }
};

QWidget *Item(QDialog &dialog, int id)
{
    QWidget *widget = static_cast<CDialog &>(dialog).GetDlgItem(id);
    EXPECT_NE(widget, nullptr) << "no control " << id;
    return widget;
}

// A main window on the offscreen screen, installed for the test's length.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture()
    {
        m_mainWindow.setGeometry(100, 80, 900, 700);
        m_mainWindow.show();
        AfxSetMainWnd(&m_mainWindow);
    }
    ~MainWindowFixture() override { AfxSetMainWnd(nullptr); }

    QMainWindow m_mainWindow;
    ScriptedModalHost m_host;
};

using CDialogTest = MainWindowFixture;

} // namespace

TEST(DialogBaseUnits, FollowTheFontsAverageLetterWidthAndHeight)
{
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const DialogBaseUnits units = DialogBaseUnits::Of(font);
    EXPECT_DOUBLE_EQ(units.averageCharWidth, letters / 52.0);
    EXPECT_DOUBLE_EQ(units.charHeight, metrics.ascent() + metrics.descent());

    const DialogBaseUnits fixed{7.4, 14};
    EXPECT_EQ(fixed.ToPixelsX(313), 579);  // 313 * 7.4 / 4 = 579.05
    EXPECT_EQ(fixed.ToPixelsX(98), 181);   // 181.3
    EXPECT_EQ(fixed.ToPixelsY(265), 464);  // 265 * 14 / 8 = 463.75
    EXPECT_EQ(fixed.ToPixelsX(0), 0);
}

TEST_F(CDialogTest, SizeAndControlsFollowTheDialogFontAndTheFrameIsFixed)
{
    TestDialog dialog;
    QFont big = dialog.font();
    big.setPointSizeF(big.pointSizeF() * 2);
    dialog.setFont(big);
    m_host.AnswerDialog([](QDialog &shown) {
        auto &d = static_cast<CDialog &>(shown);
        const DialogBaseUnits units = d.BaseUnits();
        EXPECT_DOUBLE_EQ(units.charHeight, DialogBaseUnits::Of(d.font()).charHeight);
        EXPECT_EQ(d.size(), QSize(units.ToPixelsX(140), units.ToPixelsY(112)));
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        const QRect edit = Item(d, kEdit)->geometry();
        EXPECT_EQ(edit, d.MapDialogRect({10, 75, 60, 14}));
        const Qt::WindowFlags flags = d.windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
        return IDCANCEL;
    });
    dialog.DoModal();
    const DialogBaseUnits normal = DialogBaseUnits::Of(QApplication::font());
    EXPECT_GT(dialog.width(), normal.ToPixelsX(140) * 3 / 2) << "a larger font must give a larger dialog";
}

TEST_F(CDialogTest, UnitsWidenUntilEveryTextFitsItsBox)
{
    // A check box sized for a much narrower font than the desktop's.
    static constexpr DialogControl cramped[] = {
        {kCheck, CheckBox, "A rather long check box text", {5, 5, 40, 10}, TabStop},
        {IDC_STATIC, Label, "short", {5, 20, 40, 8}, None},
    };
    static constexpr DialogTemplate crampedTemplate{901, "Cramped", {50, 30}, DialogStyle::ModalFrame, cramped};
    CDialog dialog(crampedTemplate);
    m_host.AnswerDialog([](QDialog &shown) {
        auto &d = static_cast<CDialog &>(shown);
        QWidget *box = d.GetDlgItem(kCheck);
        EXPECT_GE(box->width(), box->sizeHint().width());
        EXPECT_GT(d.BaseUnits().averageCharWidth, DialogBaseUnits::Of(d.font()).averageCharWidth);
        EXPECT_DOUBLE_EQ(d.BaseUnits().charHeight, DialogBaseUnits::Of(d.font()).charHeight);
        EXPECT_EQ(d.width(), d.BaseUnits().ToPixelsX(50)) << "the dialog widens with its controls";
        return IDCANCEL;
    });
    dialog.DoModal();
}

TEST_F(CDialogTest, ListsKeepTheOrderGivenAndTheFocusStartsOnTheFirstTabStop)
{
    TestDialog dialog;
    const auto check = [](QDialog &d) {
        auto *list = qobject_cast<QComboBox *>(Item(d, kList));
        EXPECT_EQ(list->count(), 3);
        EXPECT_EQ(list->itemText(0), "b_x");
        EXPECT_EQ(list->itemText(1), "a");
        EXPECT_EQ(list->itemText(2), "b2");
        EXPECT_EQ(d.focusWidget(), list);
        Item(d, IDCANCEL)->setFocus();
        return IDCANCEL;
    };
    // A second run fills the lists afresh rather than adding to them.
    m_host.AnswerDialog(check);
    m_host.AnswerDialog(check);
    dialog.DoModal();
    dialog.DoModal();
}

TEST_F(CDialogTest, OpensHiddenCentredOverTheMainWindowWhichIsDisabledMeanwhile)
{
    TestDialog dialog;
    m_host.AnswerDialog([this](QDialog &d) {
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(m_mainWindow.isEnabled());
        const QPoint offset = QRect(d.pos(), d.size()).center() - m_mainWindow.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 1) << "dialog centre off by " << offset.x() << "," << offset.y();
        EXPECT_TRUE(d.isEnabled());
        const QWindow *handle = d.windowHandle();
        EXPECT_TRUE(handle && handle->transientParent() == m_mainWindow.windowHandle());
        return IDCANCEL;
    });
    dialog.DoModal();
    EXPECT_TRUE(m_mainWindow.isEnabled());
}

TEST_F(CDialogTest, EndsWithTheCommandTheUserGave)
{
    struct Case {
        const char *action;
        std::function<void(QDialog &)> act;
        int result;
    };
    const Case cases[] = {
        {"OK clicked", [](QDialog &d) { QTest::mouseClick(Item(d, IDOK), Qt::LeftButton); }, IDOK},
        {"Cancel clicked", [](QDialog &d) { QTest::mouseClick(Item(d, IDCANCEL), Qt::LeftButton); }, IDCANCEL},
        {"Enter on the list", [](QDialog &) { PressKey(Qt::Key_Return); }, IDOK},
        {"keypad Enter in the edit box",
         [](QDialog &d) {
             Item(d, kEdit)->setFocus();
             PressKey(Qt::Key_Enter, Qt::KeypadModifier);
         },
         IDOK},
        {"Enter on Cancel",
         [](QDialog &d) {
             Item(d, IDCANCEL)->setFocus();
             PressKey(Qt::Key_Return);
         },
         IDCANCEL},
        {"Escape", [](QDialog &) { PressKey(Qt::Key_Escape); }, IDCANCEL},
        {"Escape on OK",
         [](QDialog &d) {
             Item(d, IDOK)->setFocus();
             PressKey(Qt::Key_Escape);
         },
         IDCANCEL},
        {"close box", [](QDialog &d) { d.close(); }, IDCANCEL},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.action);
        TestDialog dialog;
        bool stillOpen = true;
        m_host.AnswerDialog([&](QDialog &d) {
            ShowActive(d);
            c.act(d);
            stillOpen = d.isVisible();
            return d.result();
        });
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_FALSE(stillOpen);
    }
}

TEST_F(CDialogTest, OkReadsTheControlsBackAndCancelLeavesTheDataAlone)
{
    for (const int command : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(command);
        TestDialog dialog;
        m_host.AnswerDialog([command](QDialog &d) {
            QTest::mouseClick(Item(d, kFirstRadio), Qt::LeftButton);
            qobject_cast<QLineEdit *>(Item(d, kEdit))->setText("typed");
            QTest::mouseClick(Item(d, command), Qt::LeftButton);
            return d.result();
        });
        EXPECT_EQ(dialog.DoModal(), command);
        EXPECT_EQ(dialog.m_nChoice, command == IDOK ? 0 : 1);
        EXPECT_EQ(dialog.m_strText, command == IDOK ? "typed" : "text");
    }
}

TEST_F(CDialogTest, TabVisitsEveryTabStopInTemplateOrderAndWraps)
{
    TestDialog dialog;
    m_host.AnswerDialog([](QDialog &d) {
        ShowActive(d);
        const std::vector<QWidget *> expected = {Item(d, kFirstRadio), Item(d, kSecondRadio), Item(d, kCheck),
                                                 Item(d, kEdit),       Item(d, IDOK),         Item(d, IDCANCEL),
                                                 Item(d, kList)};
        EXPECT_EQ(TabSequence(7), expected);
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), Item(d, IDCANCEL)) << "Shift+Tab goes back";
        return IDCANCEL;
    });
    dialog.DoModal();
}

TEST_F(CDialogTest, F1SendsHelpToTheMainWindowAndLeavesTheDialogOpen)
{
    std::vector<int> commands;
    AfxSetMainCommandReceiver([&](int id) { commands.push_back(id); });
    TestDialog dialog;
    m_host.AnswerDialog([](QDialog &d) {
        ShowActive(d);
        PressKey(Qt::Key_F1);
        EXPECT_TRUE(d.isVisible());
        PressKey(Qt::Key_F1, Qt::ShiftModifier);
        return IDCANCEL;
    });
    dialog.DoModal();
    AfxSetMainCommandReceiver(nullptr);
    EXPECT_EQ(commands, std::vector<int>{ID_HELP});
}

TEST_F(CDialogTest, FailingInitialisationGivesMinusOneWithoutRunning)
{
    // List data for a control that is not a list; then an exchange with a
    // control the template lacks.
    constexpr DialogListData wrongList[] = {{kEdit, kEntries}};
    TestDialog listOnEdit(wrongList);
    EXPECT_EQ(listOnEdit.DoModal(), -1);

    struct MissingControl : TestDialog {
        void DoDataExchange(CDataExchange &dx) override
        {
            std::int32_t value = 0;
            DDX_Check(dx, 999, value);
        }
    } missing;
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(m_host.dialogs.empty());
}
