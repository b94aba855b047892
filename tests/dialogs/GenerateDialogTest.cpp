#include "AfxMainWnd.h"
#include "CGenerateScriptDlg.h"
#include "ControlIds.h"
#include "DialogTestSupport.h"
#include "ResourceIds.h"
#include "ScriptedModalHost.h"
#include "generator/ValueLists.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

template <typename Widget>
Widget *Control(QDialog &dialog, int id)
{
    auto *widget = qobject_cast<Widget *>(static_cast<CDialog &>(dialog).GetDlgItem(id));
    EXPECT_NE(widget, nullptr) << "no control " << id << " of the expected kind";
    return widget;
}

QStringList Entries(const QComboBox &list)
{
    QStringList entries;
    for (int i = 0; i < list.count(); ++i)
        entries << list.itemText(i);
    return entries;
}

QStringList Entries(const ValueList &list)
{
    QStringList entries;
    for (const std::string_view entry : list.Entries())
        entries << QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
    return entries;
}

// The check box of every flag field, in the order of the record.
struct FlagControl {
    int id;
    GenerationFlag field;
};
const FlagControl kFlags[] = {
    {IDC_AVOID_EDGE, &GenerationSettings::m_bAvoidEdge},
    {IDC_BIRDS, &GenerationSettings::m_bBirds},
    {IDC_COMMENTS, &GenerationSettings::m_bComments},
    {IDC_EXTRA_RESOURCES, &GenerationSettings::m_bExtraResources},
    {IDC_FISH, &GenerationSettings::m_bFish},
    {IDC_MIX_WATER, &GenerationSettings::m_bMixWater},
    {IDC_REGICIDE, &GenerationSettings::m_bRegicide},
    {IDC_RELICS, &GenerationSettings::m_bRelics},
    {IDC_STANDARD_RESOURCES, &GenerationSettings::m_bStandardResources},
    {IDC_TOWN_CENTER, &GenerationSettings::m_bTownCenter},
    {IDC_VILLAGERS, &GenerationSettings::m_bVillagers},
    {IDC_WALLS, &GenerationSettings::m_bWalls},
    {IDC_WOLVES, &GenerationSettings::m_bWolves},
};

constexpr int kZoneRadios[] = {IDC_ZONE_OWN_AREA, IDC_ZONE_TEAM_AREA, IDC_ZONE_SHARED_AREA, IDC_ZONE_RANDOM_AREA};

void ClickGenerate(QDialog &dialog)
{
    QTest::mouseClick(Control<QPushButton>(dialog, IDOK), Qt::LeftButton);
}

class GenerateDialogTest : public ::testing::Test {
protected:
    GenerateDialogTest()
    {
        m_mainWindow.setGeometry(0, 0, 1024, 768);
        m_mainWindow.show();
        AfxSetMainWnd(&m_mainWindow);
    }
    ~GenerateDialogTest() override { AfxSetMainWnd(nullptr); }

    // Runs the dialog on `settings`; `user` acts on it and gives the answer.
    int Run(CGenerateScriptDlg &dialog, std::function<int(QDialog &)> user)
    {
        m_host.AnswerDialog(std::move(user));
        return dialog.DoModal();
    }

    QMainWindow m_mainWindow;
    ScriptedModalHost m_host;
};

} // namespace

TEST_F(GenerateDialogTest, TemplateBuildsEveryControlInTabOrderWhereItBelongs)
{
    struct Expected {
        int id;
        const char *widgetClass;
        const char *text;
        DluRect rect;
        ControlStyle style;
    };
    using enum ControlStyle;
    const Expected table[] = {
        {1000, "QComboBox", "", {73, 19, 86, 104}, Sorted | TabStop},
        {1001, "QComboBox", "", {209, 19, 93, 104}, Sorted | TabStop},
        {1003, "QRadioButton", "Each player has own area", {22, 35, 98, 10}, Group | TabStop},
        {1004, "QRadioButton", "Players on the same team share an area", {22, 48, 142, 10}, TabStop},
        {1005, "QRadioButton", "All players share an area", {22, 61, 93, 10}, TabStop},
        {1006, "QRadioButton", "Player areas are random", {22, 75, 92, 10}, TabStop},
        {1008, "QComboBox", "", {126, 88, 48, 77}, TabStop},
        {1011, "QCheckBox", "Avoid the edge of the map", {22, 104, 99, 10}, TabStop},
        {1014, "QCheckBox", "Mix water for realistic look", {22, 118, 97, 10}, TabStop},
        {1017, "QCheckBox", "Town Center", {22, 153, 57, 10}, TabStop},
        {1018, "QCheckBox", "Standard Villagers with Scout", {22, 166, 108, 10}, TabStop},
        {1019, "QCheckBox", "Standard Resources", {22, 179, 81, 10}, TabStop},
        {1020, "QCheckBox", "Fish", {22, 192, 29, 10}, TabStop},
        {1023, "QCheckBox", "Extra Random Resources", {22, 205, 97, 10}, TabStop},
        {1024, "QCheckBox", "Regicide Support", {169, 153, 71, 10}, TabStop},
        {1025, "QCheckBox", "Walls", {169, 166, 33, 10}, TabStop},
        {1026, "QCheckBox", "Wolves", {169, 179, 40, 10}, TabStop},
        {1027, "QCheckBox", "Birds", {169, 192, 31, 10}, TabStop},
        {1022, "QCheckBox", "Relics", {169, 205, 35, 10}, TabStop},
        {1021, "QCheckBox", "Instructional Comments", {22, 226, 89, 14}, VCenter | TabStop},
        {1013, "QLineEdit", "", {171, 226, 62, 14}, Border | AutoHScroll | TabStop},
        {1, "QPushButton", "Generate", {256, 226, 50, 14}, TabStop},
        {-1, "QLabel", "Players are on", {22, 19, 47, 12}, VCenter | Group},
        {-1, "QLabel", "surrounded by", {161, 19, 48, 12}, VCenter | Group},
        {-1, "QLabel", "Distance to other players' lands:", {22, 88, 104, 12}, VCenter | Group},
        {-1, "QLabel", "Filename:", {137, 226, 32, 14}, VCenter | Group},
        {-1, "QLabel", ".rms", {236, 226, 19, 14}, VCenter | Group},
        {-1, "QGroupBox", "Players' Lands", {7, 7, 299, 129}, None},
        {-1, "QGroupBox", "Objects", {7, 139, 299, 83}, None},
        {2, "QPushButton", "Cancel", {256, 244, 50, 14}, TabStop},
    };

    CGenerateScriptDlg dialog;
    Run(dialog, [&](QDialog &shown) {
        auto &d = static_cast<CDialog &>(shown);
        EXPECT_EQ(d.windowTitle(), "Generate Random Map Script");
        EXPECT_EQ(d.Template().id, IDD_GENERATE);
        EXPECT_EQ(d.size(), d.MapDialogRect({0, 0, 313, 265}).size());
        EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "fixed size";
        EXPECT_FALSE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(d.windowFlags() & Qt::WindowCloseButtonHint);

        const auto &controls = d.Controls();
        EXPECT_EQ(controls.size(), std::size(table));
        EXPECT_EQ(d.Template().controls.size(), std::size(table));
        for (std::size_t i = 0; i < std::min(controls.size(), std::size(table)); ++i) {
            const Expected &e = table[i];
            const DialogControl &t = d.Template().controls[i];
            QWidget *w = controls[i];
            SCOPED_TRACE(testing::Message() << "control " << i + 1 << " (" << e.id << " " << e.text << ")");
            EXPECT_EQ(t.id, e.id);
            EXPECT_EQ(t.rect, e.rect);
            EXPECT_EQ(t.style, e.style);
            EXPECT_STREQ(w->metaObject()->className(), e.widgetClass);
            const char *textProperty = qobject_cast<QGroupBox *>(w) ? "title" : "text";
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w) || qobject_cast<QGroupBox *>(w)) {
                EXPECT_EQ(w->property(textProperty).toString(), e.text);
            }
            if (qobject_cast<QAbstractButton *>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << "text clipped";
            }
            if (auto *label = qobject_cast<QLabel *>(w)) {
                EXPECT_GE(w->width(), label->fontMetrics().horizontalAdvance(label->text())) << "text clipped";
            }

            const QRect expected = d.MapDialogRect(e.rect);
            if (qobject_cast<QComboBox *>(w)) {
                // The template height is the dropped-down height.
                EXPECT_EQ(w->geometry().topLeft(), expected.topLeft());
                EXPECT_EQ(w->width(), expected.width());
                EXPECT_LT(w->height(), expected.height());
            } else {
                EXPECT_EQ(w->geometry(), expected);
            }
            const bool tabStop = HasStyle(e.style, TabStop);
            EXPECT_EQ(w->focusPolicy() == Qt::StrongFocus, tabStop);
            if (auto *button = qobject_cast<QPushButton *>(w)) {
                EXPECT_FALSE(button->isDefault()) << "neither button is the template's default";
            }
        }
        return IDCANCEL;
    });
}

TEST_F(GenerateDialogTest, RadioTextsAreTheZoneModesInOrder)
{
    CGenerateScriptDlg dialog;
    Run(dialog, [](QDialog &d) {
        for (std::size_t i = 0; i < std::size(kZoneRadios); ++i)
            EXPECT_EQ(Control<QRadioButton>(d, kZoneRadios[i])->text().toStdString(), ZoneModes[i].label);
        return IDCANCEL;
    });
}

TEST_F(GenerateDialogTest, ListsShowTheValueListsInTheirOwnOrder)
{
    CGenerateScriptDlg dialog;
    Run(dialog, [](QDialog &d) {
        auto *player = Control<QComboBox>(d, IDC_PLAYER_TERRAIN);
        auto *base = Control<QComboBox>(d, IDC_BASE_TERRAIN);
        EXPECT_EQ(Entries(*player), Entries(PlayerTerrainList));
        EXPECT_EQ(Entries(*base), Entries(BaseTerrainList));
        EXPECT_EQ(Entries(*Control<QComboBox>(d, IDC_ZONE_DISTANCE)),
                  QStringList({"0", "1", "2", "3", "4", "5", "10", "20", "50"}));
        // The underscore sorts before the digits: a byte-wise sort would move them.
        EXPECT_EQ(player->findText("DIRT_SNOW"), 3);
        EXPECT_EQ(player->findText("DIRT2"), 4);
        EXPECT_EQ(base->findText("DIRT_SNOW"), 5);
        EXPECT_EQ(base->findText("DIRT2"), 6);
        return IDCANCEL;
    });
}

TEST_F(GenerateDialogTest, OpensAtTheDefaultsWithTheFocusOnThePlayerLandList)
{
    CGenerateScriptDlg dialog;
    Run(dialog, [](QDialog &d) {
        EXPECT_EQ(Control<QComboBox>(d, IDC_PLAYER_TERRAIN)->currentText(), "BEACH");
        EXPECT_EQ(Control<QComboBox>(d, IDC_BASE_TERRAIN)->currentText(), "BAMBOO");
        EXPECT_EQ(Control<QComboBox>(d, IDC_ZONE_DISTANCE)->currentText(), "0");
        for (const int id : kZoneRadios)
            EXPECT_EQ(Control<QRadioButton>(d, id)->isChecked(), id == IDC_ZONE_OWN_AREA) << id;
        for (const FlagControl &flag : kFlags) {
            const bool unchecked = flag.id == IDC_AVOID_EDGE || flag.id == IDC_WALLS;
            EXPECT_EQ(Control<QCheckBox>(d, flag.id)->checkState(), unchecked ? Qt::Unchecked : Qt::Checked) << flag.id;
        }
        EXPECT_EQ(Control<QLineEdit>(d, IDC_FILENAME)->text(), "Filename");
        EXPECT_EQ(d.focusWidget(), Control<QComboBox>(d, IDC_PLAYER_TERRAIN));
        return IDCANCEL;
    });
}

TEST_F(GenerateDialogTest, GenerateAtOnceGivesOkAndTheDefaults)
{
    CGenerateScriptDlg dialog;
    EXPECT_EQ(Run(dialog,
                  [](QDialog &d) {
                      ClickGenerate(d);
                      return d.result();
                  }),
              IDOK);
    EXPECT_EQ(dialog.m_settings, GenerationSettings{});
}

TEST_F(GenerateDialogTest, EveryControlIsReadBackIntoItsOwnField)
{
    CGenerateScriptDlg dialog;
    EXPECT_EQ(Run(dialog,
                  [](QDialog &d) {
                      Control<QComboBox>(d, IDC_PLAYER_TERRAIN)->setCurrentIndex(13);
                      Control<QComboBox>(d, IDC_BASE_TERRAIN)->setCurrentIndex(22);
                      QTest::mouseClick(Control<QRadioButton>(d, IDC_ZONE_SHARED_AREA), Qt::LeftButton);
                      Control<QComboBox>(d, IDC_ZONE_DISTANCE)->setCurrentIndex(7);
                      for (const FlagControl &flag : kFlags)
                          QTest::mouseClick(Control<QCheckBox>(d, flag.id), Qt::LeftButton);
                      Control<QLineEdit>(d, IDC_FILENAME)->setText("Island");
                      ClickGenerate(d);
                      return d.result();
                  }),
              IDOK);
    const GenerationSettings &s = dialog.m_settings;
    EXPECT_EQ(s.m_nPlayerTerrain, 13);
    EXPECT_EQ(s.m_nBaseTerrain, 22);
    EXPECT_EQ(s.m_nZoneMode, 2);
    EXPECT_EQ(s.m_nZoneDistance, 7);
    EXPECT_EQ(s.m_strFileName, "Island");
    const GenerationSettings defaults;
    for (const FlagControl &flag : kFlags)
        EXPECT_EQ(s.*flag.field, 1 - defaults.*flag.field) << flag.id;
}

TEST_F(GenerateDialogTest, ChangesThenCancelGiveCancelAndLeaveTheRecordAsItWas)
{
    const std::function<void(QDialog &)> cancels[] = {
        [](QDialog &d) { QTest::mouseClick(Control<QPushButton>(d, IDCANCEL), Qt::LeftButton); },
        [](QDialog &) { PressKey(Qt::Key_Escape); },
        [](QDialog &d) { d.close(); },
    };
    for (const auto &cancel : cancels) {
        CGenerateScriptDlg dialog;
        EXPECT_EQ(Run(dialog,
                      [&](QDialog &d) {
                          ShowActive(d);
                          Control<QComboBox>(d, IDC_PLAYER_TERRAIN)->setCurrentIndex(5);
                          QTest::mouseClick(Control<QCheckBox>(d, IDC_WALLS), Qt::LeftButton);
                          QTest::mouseClick(Control<QRadioButton>(d, IDC_ZONE_RANDOM_AREA), Qt::LeftButton);
                          Control<QLineEdit>(d, IDC_FILENAME)->setText("Changed");
                          cancel(d);
                          return d.result();
                      }),
                  IDCANCEL);
        EXPECT_EQ(dialog.m_settings, GenerationSettings{});
    }
}

// A record with values outside what the controls can show, what the
// controls show, and what Generate then stores when the user touches nothing.
TEST_F(GenerateDialogTest, ExchangeEdgeCases)
{
    struct Case {
        const char *name;
        std::function<void(GenerationSettings &)> given;
        std::function<void(QDialog &)> shows;
        std::function<void(const GenerationSettings &)> stores;
    };
    const Case cases[] = {
        {"check field 5 shows unchecked and becomes 0", [](GenerationSettings &s) { s.m_bFish = 5; },
         [](QDialog &d) { EXPECT_EQ(Control<QCheckBox>(d, IDC_FISH)->checkState(), Qt::Unchecked); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_bFish, 0); }},
        {"check field -1 shows unchecked and becomes 0", [](GenerationSettings &s) { s.m_bBirds = -1; },
         [](QDialog &d) { EXPECT_EQ(Control<QCheckBox>(d, IDC_BIRDS)->checkState(), Qt::Unchecked); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_bBirds, 0); }},
        {"check field 2, a set flag, shows checked and reads back 1", [](GenerationSettings &s) { s.m_bRelics = 2; },
         [](QDialog &d) { EXPECT_EQ(Control<QCheckBox>(d, IDC_RELICS)->checkState(), Qt::Checked); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_bRelics, 1); }},
        {"check field 3 shows unchecked and becomes 0", [](GenerationSettings &s) { s.m_bWolves = 3; },
         [](QDialog &d) { EXPECT_EQ(Control<QCheckBox>(d, IDC_WOLVES)->checkState(), Qt::Unchecked); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_bWolves, 0); }},
        {"radio 3 checks the last button", [](GenerationSettings &s) { s.m_nZoneMode = 3; },
         [](QDialog &d) { EXPECT_TRUE(Control<QRadioButton>(d, IDC_ZONE_RANDOM_AREA)->isChecked()); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nZoneMode, 3); }},
        {"radio 4 checks none and stores -1", [](GenerationSettings &s) { s.m_nZoneMode = 4; },
         [](QDialog &d) {
             for (const int id : kZoneRadios)
                 EXPECT_FALSE(Control<QRadioButton>(d, id)->isChecked()) << id;
         },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nZoneMode, -1); }},
        {"radio -1 checks none and stores -1", [](GenerationSettings &s) { s.m_nZoneMode = -1; },
         [](QDialog &d) { EXPECT_FALSE(Control<QRadioButton>(d, IDC_ZONE_OWN_AREA)->isChecked()); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nZoneMode, -1); }},
        {"player list one past the end shows empty and stores -1", [](GenerationSettings &s) { s.m_nPlayerTerrain = 14; },
         [](QDialog &d) {
             EXPECT_EQ(Control<QComboBox>(d, IDC_PLAYER_TERRAIN)->currentIndex(), -1);
             EXPECT_EQ(Control<QComboBox>(d, IDC_PLAYER_TERRAIN)->currentText(), "");
         },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nPlayerTerrain, -1); }},
        {"base list last entry", [](GenerationSettings &s) { s.m_nBaseTerrain = 22; },
         [](QDialog &d) { EXPECT_EQ(Control<QComboBox>(d, IDC_BASE_TERRAIN)->currentText(), "WATER"); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nBaseTerrain, 22); }},
        {"base list -1 shows empty", [](GenerationSettings &s) { s.m_nBaseTerrain = -1; },
         [](QDialog &d) { EXPECT_EQ(Control<QComboBox>(d, IDC_BASE_TERRAIN)->currentText(), ""); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nBaseTerrain, -1); }},
        {"distance 8 is 50", [](GenerationSettings &s) { s.m_nZoneDistance = 8; },
         [](QDialog &d) { EXPECT_EQ(Control<QComboBox>(d, IDC_ZONE_DISTANCE)->currentText(), "50"); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nZoneDistance, 8); }},
        {"distance far out shows empty", [](GenerationSettings &s) { s.m_nZoneDistance = -7; },
         [](QDialog &d) { EXPECT_EQ(Control<QComboBox>(d, IDC_ZONE_DISTANCE)->currentIndex(), -1); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_nZoneDistance, -1); }},
        {"empty file name", [](GenerationSettings &s) { s.m_strFileName.clear(); },
         [](QDialog &d) { EXPECT_EQ(Control<QLineEdit>(d, IDC_FILENAME)->text(), ""); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_strFileName, ""); }},
        {"blanks and a typed extension stay", [](GenerationSettings &s) { s.m_strFileName = "  test.rms "; },
         [](QDialog &d) { EXPECT_EQ(Control<QLineEdit>(d, IDC_FILENAME)->text(), "  test.rms "); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_strFileName, "  test.rms "); }},
        {"a folder path and bytes above 127", [](GenerationSettings &s) { s.m_strFileName = "maps/\xE9t\xE9\x80"; },
         [](QDialog &d) { EXPECT_EQ(Control<QLineEdit>(d, IDC_FILENAME)->text(), QString::fromUtf8("maps/\u00E9t\u00E9\u20AC")); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_strFileName, "maps/\xE9t\xE9\x80"); }},
        {"a name longer than any box", [](GenerationSettings &s) { s.m_strFileName = std::string(40000, 'n'); },
         [](QDialog &d) { EXPECT_EQ(Control<QLineEdit>(d, IDC_FILENAME)->text().size(), 40000); },
         [](const GenerationSettings &s) { EXPECT_EQ(s.m_strFileName, std::string(40000, 'n')); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CGenerateScriptDlg dialog;
        c.given(dialog.m_settings);
        EXPECT_EQ(Run(dialog,
                      [&](QDialog &d) {
                          c.shows(d);
                          ClickGenerate(d);
                          return d.result();
                      }),
                  IDOK);
        c.stores(dialog.m_settings);
    }
}

TEST_F(GenerateDialogTest, PickingTheUnderscoreTerrainsStoresTheirIndexesInBothLists)
{
    struct Case {
        const char *terrain;
        int playerIndex;
        int baseIndex;
    };
    for (const Case c : {Case{"DIRT_SNOW", 3, 5}, Case{"DIRT2", 4, 6}}) {
        SCOPED_TRACE(c.terrain);
        CGenerateScriptDlg dialog;
        Run(dialog, [&](QDialog &d) {
            ShowActive(d);
            // Chosen by keyboard, as a user would: type-ahead in each list.
            for (const int id : {IDC_PLAYER_TERRAIN, IDC_BASE_TERRAIN}) {
                auto *list = Control<QComboBox>(d, id);
                list->setFocus();
                QTest::keyClicks(list, c.terrain);
                EXPECT_EQ(list->currentText(), c.terrain);
            }
            PressKey(Qt::Key_Return);
            return d.result();
        });
        EXPECT_EQ(dialog.m_settings.m_nPlayerTerrain, c.playerIndex);
        EXPECT_EQ(dialog.m_settings.m_nBaseTerrain, c.baseIndex);
    }
}

TEST_F(GenerateDialogTest, TypedTextIsStoredExactly)
{
    CGenerateScriptDlg dialog;
    Run(dialog, [](QDialog &d) {
        ShowActive(d);
        auto *name = Control<QLineEdit>(d, IDC_FILENAME);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, " my map.rms ");
        for (const QString &typed : {QString::fromUtf8("\u00E9"), QString::fromUtf8("\u6587")})
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, typed, Qt::NoModifier);
        PressKey(Qt::Key_Return);
        return d.result();
    });
    EXPECT_EQ(dialog.m_settings.m_strFileName, " my map.rms \xE9?") << "a character outside the code page becomes '?'";
}

TEST_F(GenerateDialogTest, EnterGeneratesUnlessCancelHasTheFocusAndEscapeCancels)
{
    struct Case {
        const char *name;
        int focusId;
        Qt::Key key;
        int result;
    };
    const Case cases[] = {
        {"Enter on the player land list", IDC_PLAYER_TERRAIN, Qt::Key_Return, IDOK},
        {"Enter on a check box", IDC_WALLS, Qt::Key_Return, IDOK},
        {"Enter in the file-name box", IDC_FILENAME, Qt::Key_Return, IDOK},
        {"Enter on Generate", IDOK, Qt::Key_Return, IDOK},
        {"Enter on Cancel", IDCANCEL, Qt::Key_Return, IDCANCEL},
        {"Escape on the distance list", IDC_ZONE_DISTANCE, Qt::Key_Escape, IDCANCEL},
        {"Escape on Generate", IDOK, Qt::Key_Escape, IDCANCEL},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CGenerateScriptDlg dialog;
        bool closed = false;
        EXPECT_EQ(Run(dialog,
                      [&](QDialog &d) {
                          ShowActive(d);
                          static_cast<CDialog &>(d).GetDlgItem(c.focusId)->setFocus();
                          PressKey(c.key);
                          closed = !d.isVisible();
                          return d.result();
                      }),
                  c.result);
        EXPECT_TRUE(closed);
    }
}

TEST_F(GenerateDialogTest, TabFromTheFileNameGoesToGenerateThenCancelThenThePlayerLandList)
{
    CGenerateScriptDlg dialog;
    Run(dialog, [](QDialog &d) {
        ShowActive(d);
        Control<QLineEdit>(d, IDC_FILENAME)->setFocus();
        const std::vector<QWidget *> expected = {Control<QPushButton>(d, IDOK), Control<QPushButton>(d, IDCANCEL),
                                                 Control<QComboBox>(d, IDC_PLAYER_TERRAIN),
                                                 Control<QComboBox>(d, IDC_BASE_TERRAIN),
                                                 Control<QRadioButton>(d, IDC_ZONE_OWN_AREA)};
        EXPECT_EQ(TabSequence(5), expected);
        return IDCANCEL;
    });
}
