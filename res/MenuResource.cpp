#include "MenuResource.h"

#include "ResourceIds.h"

#include <array>

namespace {

constexpr MenuItemResource kSeparator{};

MenuItemResource Item(const char *text, int id, MenuItemState state = MenuItemState::Enabled)
{
    return {text, id, state};
}

const std::array<MenuResource, 2> &Menus()
{
    // 128 shows while no script window is open, 129 while one is active.
    static const std::array<MenuResource, 2> menus{
        MenuResource{IDR_MAINFRAME,
                     {
                         {"&File",
                          {Item("&New\tCtrl+N", ID_FILE_NEW), Item("&Open...\tCtrl+O", ID_FILE_OPEN), kSeparator,
                           Item("Recent File", ID_FILE_MRU_FILE1, MenuItemState::Grayed), kSeparator,
                           Item("E&xit", ID_APP_EXIT)}},
                         {"&View", {Item("&Toolbar", ID_VIEW_TOOLBAR), Item("&Status Bar", ID_VIEW_STATUS_BAR)}},
                         {"&Help", {Item("&About Mapsmith...", ID_APP_ABOUT)}},
                     }},
        MenuResource{IDR_SCRIPTTYPE,
                     {
                         {"&File",
                          {Item("&New\tCtrl+N", ID_FILE_NEW), Item("&Open...\tCtrl+O", ID_FILE_OPEN),
                           Item("&Close", ID_FILE_CLOSE), Item("&Save\tCtrl+S", ID_FILE_SAVE),
                           Item("Save &As...", ID_FILE_SAVE_AS), kSeparator, Item("&Generate", ID_GENERATE),
                           kSeparator, Item("Recent File", ID_FILE_MRU_FILE1, MenuItemState::Grayed), kSeparator,
                           Item("E&xit", ID_APP_EXIT)}},
                         {"&Edit",
                          {Item("&Undo\tCtrl+Z", ID_EDIT_UNDO), kSeparator, Item("Cu&t\tCtrl+X", ID_EDIT_CUT),
                           Item("&Copy\tCtrl+C", ID_EDIT_COPY), Item("&Paste\tCtrl+V", ID_EDIT_PASTE)}},
                         {"&View", {Item("&Toolbar", ID_VIEW_TOOLBAR), Item("&Status Bar", ID_VIEW_STATUS_BAR)}},
                         {"&Window",
                          {Item("&New Window", ID_WINDOW_NEW), Item("&Cascade", ID_WINDOW_CASCADE),
                           Item("&Tile", ID_WINDOW_TILE_HORZ), Item("&Arrange Icons", ID_WINDOW_ARRANGE)}},
                         {"&Help", {Item("&About Mapsmith...", ID_APP_ABOUT)}},
                     }},
    };
    return menus;
}

} // namespace

const MenuResource *FindMenuResource(int id)
{
    for (const MenuResource &menu : Menus()) {
        if (menu.id == id)
            return &menu;
    }
    return nullptr;
}
