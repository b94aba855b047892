#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringView>

#include <vector>

// A piece of one printed line, placed at x (tabs are gaps between pieces).
struct PrintedRun {
    qreal x = 0;
    QString text;
};
using PrintedLine = std::vector<PrintedRun>;

// Breaks a script's text into printed lines and pages for one page size and
// font. A line ends at LF, at CR LF and at a lone CR; a line wider than the
// page breaks at white space, and a piece without white space that is wider
// than the page breaks at the page's width. Tab stops lie every 8 average
// character widths.
class ScriptPageLayout {
public:
    ScriptPageLayout(const QFontMetricsF &metrics, qreal pageWidth, qreal pageHeight);

    std::vector<PrintedLine> LayOut(QStringView text) const;

    qreal LineHeight() const { return m_metrics.lineSpacing(); }
    qreal Ascent() const { return m_metrics.ascent(); }
    // At least one, however small the page.
    int LinesPerPage() const;
    // At least one: an empty text prints one blank page.
    int PageCount(qsizetype lineCount) const;

private:
    void WrapLine(QStringView line, std::vector<PrintedLine> &lines) const;

    QFontMetricsF m_metrics;
    qreal m_pageWidth;
    qreal m_pageHeight;
    qreal m_tabWidth;
};
