#pragma once

#include <vector>

// Toolbars as data: the buttons left to right, ID_SEPARATOR for a gap, and
// the image strip that holds one image per button (separators have none),
// in button order.
struct ToolBarResource {
    int id;
    int imageWidth;
    int imageHeight;
    const char *imageStrip;  // path in the resource file system
    std::vector<int> buttons;
};

// Returns nullptr for an id with no toolbar.
const ToolBarResource *FindToolBarResource(int id);
