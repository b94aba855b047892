#include "StringTable.h"

#include "ResourceIds.h"

#include <algorithm>
#include <array>

namespace {

struct StringEntry {
    int id;
    const char *text;
};

constexpr StringEntry RecentFilePrompt(int id)
{
    return {id, "Open this document"};
}

// Kept sorted by id so lookups can bisect.
constexpr std::array kStrings{
    StringEntry{IDR_MAINFRAME, "Mapsmith"},
    StringEntry{IDR_SCRIPTTYPE, "\nRMS\nRMS\nRMS Files (*.rms)\n.rms\nMapsmithDocument\nRMS Document"},
    StringEntry{ID_GENERATE, "Auto generate RMS file\nGenerate"},
    StringEntry{AFX_IDS_APP_TITLE, "Mapsmith"},
    StringEntry{AFX_IDS_IDLEMESSAGE, "For Help, press F1"},
    StringEntry{AFX_IDS_HELPMODEMESSAGE, "Select an object on which to get Help"},
    StringEntry{ID_FILE_NEW, "Create a new document\nNew"},
    StringEntry{ID_FILE_OPEN, "Open an existing document\nOpen"},
    StringEntry{ID_FILE_CLOSE, "Close the active document\nClose"},
    StringEntry{ID_FILE_SAVE, "Save the active document\nSave"},
    StringEntry{ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"},
    StringEntry{ID_FILE_PRINT, "Print the current file\nPrint"},
    RecentFilePrompt(ID_FILE_MRU_FILE1),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 1),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 2),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 3),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 4),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 5),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 6),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 7),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 8),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 9),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 10),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 11),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 12),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 13),
    RecentFilePrompt(ID_FILE_MRU_FILE1 + 14),
    RecentFilePrompt(ID_FILE_MRU_FILE16),
    StringEntry{ID_EDIT_CLEAR, "Erase the selection\nErase"},
    StringEntry{ID_EDIT_CLEAR_ALL, "Erase everything\nErase All"},
    StringEntry{ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    StringEntry{ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"},
    StringEntry{ID_EDIT_FIND, "Find the specified text\nFind"},
    StringEntry{ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"},
    StringEntry{ID_EDIT_REPEAT, "Repeat the last action\nRepeat"},
    StringEntry{ID_EDIT_REPLACE, "Replace specific text with different text\nReplace"},
    StringEntry{ID_EDIT_SELECT_ALL, "Select the entire document\nSelect All"},
    StringEntry{ID_EDIT_UNDO, "Undo the last action\nUndo"},
    StringEntry{ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    StringEntry{ID_WINDOW_NEW, "Open another window for the active document\nNew Window"},
    StringEntry{ID_WINDOW_ARRANGE, "Arrange icons at the bottom of the window\nArrange Icons"},
    StringEntry{ID_WINDOW_CASCADE, "Arrange windows so they overlap\nCascade Windows"},
    StringEntry{ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles\nTile Windows"},
    StringEntry{ID_WINDOW_TILE_VERT, "Arrange windows as non-overlapping tiles\nTile Windows"},
    StringEntry{ID_WINDOW_SPLIT, "Split the active window into panes\nSplit"},
    StringEntry{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    StringEntry{ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    StringEntry{ID_HELP_INDEX, "Opens Help\nHelp Topics"},
    StringEntry{ID_HELP_FINDER, "List Help topics\nHelp Topics"},
    StringEntry{ID_HELP_USING, "Display instructions about how to use help\nHelp"},
    StringEntry{ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows\nHelp"},
    StringEntry{ID_HELP, "Display help for current task or command\nHelp"},
    StringEntry{ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"},
    StringEntry{ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"},
    StringEntry{ID_INDICATOR_EXT, "EXT"},
    StringEntry{ID_INDICATOR_CAPS, "CAP"},
    StringEntry{ID_INDICATOR_NUM, "NUM"},
    StringEntry{ID_INDICATOR_SCRL, "SCRL"},
    StringEntry{ID_INDICATOR_OVR, "OVR"},
    StringEntry{ID_INDICATOR_REC, "REC"},
    StringEntry{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
    StringEntry{AFX_IDS_SCSIZE, "Change the window size"},
    StringEntry{AFX_IDS_SCMOVE, "Change the window position"},
    StringEntry{AFX_IDS_SCMINIMIZE, "Reduce the window to an icon"},
    StringEntry{AFX_IDS_SCMAXIMIZE, "Enlarge the window to full size"},
    StringEntry{AFX_IDS_SCNEXTWINDOW, "Switch to the next document window"},
    StringEntry{AFX_IDS_SCPREVWINDOW, "Switch to the previous document window"},
    StringEntry{AFX_IDS_SCCLOSE, "Close the active window and prompts to save the documents"},
    StringEntry{AFX_IDS_SCRESTORE, "Restore the window to normal size"},
    StringEntry{AFX_IDS_SCTASKLIST, "Activate Task List"},
    StringEntry{AFX_IDS_MDICHILD, "Activate this window"},
};

static_assert(std::ranges::is_sorted(kStrings, {}, &StringEntry::id), "the string table must stay sorted by id");
static_assert(std::ranges::adjacent_find(kStrings, {}, &StringEntry::id) == kStrings.end(), "string ids must be unique");

} // namespace

const char *FindResourceString(int id)
{
    const auto found = std::ranges::lower_bound(kStrings, id, {}, &StringEntry::id);
    return found != kStrings.end() && found->id == id ? found->text : nullptr;
}
