#pragma once

// Icons as data: each icon id has one drawing per pixel size, each drawn on
// that size's grid, in the resource file system.
struct IconResource {
    int id;
    const char *small;  // 16 by 16
    const char *large;  // 32 by 32
};

// Returns nullptr for an id with no icon.
const IconResource *FindIconResource(int id);
