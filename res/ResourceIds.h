#pragma once

// Resource, command and string ids. The numbers are part of the program's
// identity: menus, toolbar, keys, prompts and handlers all meet on them.

// Resources.
inline constexpr int IDR_MAINFRAME = 128;   // main window: menu, toolbar, icon, keys, title
inline constexpr int IDR_SCRIPTTYPE = 129;  // script windows: menu, document icon, template string
inline constexpr int IDD_GENERATE = 130;
inline constexpr int IDD_ABOUTBOX = 100;

// Dialog results and standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDC_STATIC = -1;

// Commands.
inline constexpr int ID_GENERATE = 32771;
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_MRU_FILE16 = 57631;
inline constexpr int ID_EDIT_CLEAR = 57632;
inline constexpr int ID_EDIT_CLEAR_ALL = 57633;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_FIND = 57636;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_REPEAT = 57640;
inline constexpr int ID_EDIT_REPLACE = 57641;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_WINDOW_NEW = 57648;
inline constexpr int ID_WINDOW_ARRANGE = 57649;
inline constexpr int ID_WINDOW_CASCADE = 57650;
inline constexpr int ID_WINDOW_TILE_HORZ = 57651;
inline constexpr int ID_WINDOW_TILE_VERT = 57652;
inline constexpr int ID_WINDOW_SPLIT = 57653;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_HELP_INDEX = 57666;
inline constexpr int ID_HELP_FINDER = 57667;
inline constexpr int ID_HELP_USING = 57668;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_DEFAULT_HELP = 57671;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// Bars and status-bar panes.
inline constexpr int AFX_IDW_TOOLBAR = 59392;
inline constexpr int AFX_IDW_STATUS_BAR = 59393;
inline constexpr int ID_SEPARATOR = 0;
inline constexpr int ID_INDICATOR_EXT = 59136;
inline constexpr int ID_INDICATOR_CAPS = 59137;
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;
inline constexpr int ID_INDICATOR_OVR = 59140;
inline constexpr int ID_INDICATOR_REC = 59141;

// Strings without a command of their own.
inline constexpr int AFX_IDS_APP_TITLE = 57344;
inline constexpr int AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr int AFX_IDS_HELPMODEMESSAGE = 57346;
inline constexpr int AFX_IDS_SCSIZE = 61184;
inline constexpr int AFX_IDS_SCMOVE = 61185;
inline constexpr int AFX_IDS_SCMINIMIZE = 61186;
inline constexpr int AFX_IDS_SCMAXIMIZE = 61187;
inline constexpr int AFX_IDS_SCNEXTWINDOW = 61188;
inline constexpr int AFX_IDS_SCPREVWINDOW = 61189;
inline constexpr int AFX_IDS_SCCLOSE = 61190;
inline constexpr int AFX_IDS_SCRESTORE = 61202;
inline constexpr int AFX_IDS_SCTASKLIST = 61203;
inline constexpr int AFX_IDS_MDICHILD = 61215;
