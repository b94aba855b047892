#include "ScriptPrinter.h"

#include "AnsiCodePage.h"
#include "ScriptPageLayout.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

PrintOutcome ScriptPrinter::Print(QPrinter &printer, QByteArrayView script, const QString &title,
                                   const std::function<void()> &afterPage)
{
    printer.setDocName(title.left(kMaxJobNameLength));
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());

    const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const ScriptPageLayout layout(QFontMetricsF(font, &printer), area.width(), area.height());
    const std::vector<PrintedLine> lines = layout.LayOut(AnsiToUnicode(script));

    const int pageCount = layout.PageCount(static_cast<qsizetype>(lines.size()));
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = range ? printer.fromPage() : 1;
    const int last = range && printer.toPage() > 0 ? std::min(printer.toPage(), pageCount) : pageCount;
    if (first > last)
        return PrintOutcome::Printed;  // the range starts past the end: nothing to print

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::CouldNotStart;
    painter.setFont(font);
    const qsizetype perPage = layout.LinesPerPage();
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage())
            break;  // a page the printer refuses ends the job
        const qsizetype begin = (page - 1) * perPage;
        const qsizetype end = std::min<qsizetype>(begin + perPage, static_cast<qsizetype>(lines.size()));
        for (qsizetype i = begin; i < end; ++i) {
            const qreal baseline = (i - begin) * layout.LineHeight() + layout.Ascent();
            for (const PrintedRun &run : lines[static_cast<size_t>(i)])
                painter.drawText(QPointF(run.x, baseline), run.text);
        }
        if (afterPage)
            afterPage();
    }
    painter.end();
    return PrintOutcome::Printed;
}
