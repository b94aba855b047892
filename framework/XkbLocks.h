#pragma once

#include <optional>

// The lock keys' state as the X server's keyboard indicators show it.
struct LockFlags {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Nothing when the program does not run on an X server.
std::optional<LockFlags> QueryXkbLocks();
