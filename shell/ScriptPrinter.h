#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QPrinter;

enum class PrintOutcome { Printed, CouldNotStart };

// Prints a script's bytes (shown in the same code page as on screen) on the
// printer's whole printable area, with no margins of our own, in the
// desktop's fixed-pitch font. Line ends and wrapping are ScriptPageLayout's.
// The printer's page range, counted from 1 with no known last page, picks
// the pages; pages past the end of the text are not printed. Copies are left
// to the printer. An empty script prints one blank page.
class ScriptPrinter {
public:
    static constexpr char kCouldNotStartMessage[] = "Could not start print job.";
    // Job names are cut to this many characters.
    static constexpr qsizetype kMaxJobNameLength = 31;

    // afterPage runs after each page is produced (the program lets its
    // windows repaint there).
    static PrintOutcome Print(QPrinter &printer, QByteArrayView script, const QString &title,
                              const std::function<void()> &afterPage = {});
};
