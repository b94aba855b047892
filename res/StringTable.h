#pragma once

// The string table: prompts of the commands ("status text\ntooltip"),
// status-bar texts, system-menu prompts and the identity strings, by id.
// Returns nullptr for an id the table does not hold.
const char *FindResourceString(int id);
