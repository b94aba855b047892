#pragma once

#include <QIcon>
#include <QString>

#include <optional>

class QPixmap;
class QRectF;
class QSize;

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

// The icon with the id, drawn for 16 and 32 pixels and their multiples; a
// null icon when there is none.
QIcon AfxLoadIcon(int id);

// Renders the area of a drawing (a resource path) into a pixmap of the given
// pixel size; a null pixmap when the drawing cannot be read.
QPixmap AfxRenderDrawing(const QString &path, const QRectF &area, const QSize &pixels);
