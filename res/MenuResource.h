#pragma once

#include <vector>

// Menus as data: each menu bar is a list of popups, each popup a list of
// items in display order. A separator is an item with no text and the id
// ID_SEPARATOR.

enum class MenuItemState { Enabled, Grayed };

struct MenuItemResource {
    const char *text = nullptr;  // "&New\tCtrl+N": after the tab comes the key shown
    int id = 0;
    MenuItemState state = MenuItemState::Enabled;

    bool IsSeparator() const { return text == nullptr; }
};

struct PopupResource {
    const char *title;
    std::vector<MenuItemResource> items;
};

struct MenuResource {
    int id;
    std::vector<PopupResource> popups;
};

// Returns nullptr for an id with no menu.
const MenuResource *FindMenuResource(int id);
