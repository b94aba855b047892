#pragma once

#include <QIcon>
#include <QString>

#include <optional>

// Reading the resources of res/ in the form the widgets want them.

// The string with the id, or nothing when the table lacks it.
std::optional<QString> AfxLoadString(int id);

// A command's prompt string split at its line feed: the status-bar text
// before it, the tooltip after it. Both are empty without a string.
struct CommandPrompt {
    QString status;   // at most 255 characters
    QString tooltip;  // at most 79 characters
};
CommandPrompt AfxLoadPrompt(int id);

// The icon with the id, from its 16 and 32 pixel drawings, at any size; a
// null icon when there is none.
QIcon AfxLoadIcon(int id);
