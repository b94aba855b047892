#include "ScriptPageLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Collects the pieces of the printed line being filled.
class LineBuilder {
public:
    explicit LineBuilder(std::vector<PrintedLine> &lines)
        : m_lines(lines)
    {
    }

    qreal X() const { return m_x; }

    void Append(QStringView piece, qreal advance)
    {
        if (m_run.isEmpty())
            m_runX = m_x;
        m_run += piece;
        m_x += advance;
    }

    void MoveTo(qreal x)
    {
        CloseRun();
        m_x = x;
    }

    void Break()
    {
        // Spaces before a line break are not printed.
        while (m_run.endsWith(u' '))
            m_run.chop(1);
        CloseRun();
        m_lines.push_back(std::exchange(m_line, {}));
        m_x = 0;
    }

private:
    void CloseRun()
    {
        if (!m_run.isEmpty())
            m_line.push_back({m_runX, std::exchange(m_run, {})});
    }

    std::vector<PrintedLine> &m_lines;
    PrintedLine m_line;
    QString m_run;
    qreal m_runX = 0;
    qreal m_x = 0;
};

} // namespace

ScriptPageLayout::ScriptPageLayout(const QFontMetricsF &metrics, qreal pageWidth, qreal pageHeight)
    : m_metrics(metrics)
    , m_pageWidth(pageWidth)
    , m_pageHeight(pageHeight)
    , m_tabWidth(8 * metrics.averageCharWidth())
{
}

int ScriptPageLayout::LinesPerPage() const
{
    return std::max(1, static_cast<int>(m_pageHeight / LineHeight()));
}

int ScriptPageLayout::PageCount(qsizetype lineCount) const
{
    const qsizetype perPage = LinesPerPage();
    return static_cast<int>(std::max<qsizetype>(1, (lineCount + perPage - 1) / perPage));
}

std::vector<PrintedLine> ScriptPageLayout::LayOut(QStringView text) const
{
    std::vector<PrintedLine> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        WrapLine(text.sliced(start, end - start), lines);
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

void ScriptPageLayout::WrapLine(QStringView line, std::vector<PrintedLine> &lines) const
{
    LineBuilder builder(lines);
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i] == u'\t') {
            const qreal stop = (std::floor(builder.X() / m_tabWidth) + 1) * m_tabWidth;
            if (stop > m_pageWidth && builder.X() > 0)
                builder.Break();  // the tab is spent on the line break
            else
                builder.MoveTo(stop);
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && line[end] == u' ')
            ++end;
        if (end > i) {
            const QStringView spaces = line.sliced(i, end - i);
            const qreal advance = m_metrics.horizontalAdvance(spaces.toString());
            if (builder.X() + advance > m_pageWidth)
                builder.Break();  // spaces at a line break are not printed
            else
                builder.Append(spaces, advance);
            i = end;
            continue;
        }
        while (end < line.size() && !IsBlank(line[end]))
            ++end;
        QStringView word = line.sliced(i, end - i);
        i = end;
        qreal advance = m_metrics.horizontalAdvance(word.toString());
        if (builder.X() + advance <= m_pageWidth) {
            builder.Append(word, advance);
            continue;
        }
        if (builder.X() > 0)
            builder.Break();
        // A piece wider than the page: as much as fits on each line, at
        // least one character.
        while (advance > m_pageWidth) {
            qsizetype fits = 1;
            qreal width = m_metrics.horizontalAdvance(word[0]);
            while (fits < word.size() && width + m_metrics.horizontalAdvance(word[fits]) <= m_pageWidth)
                width += m_metrics.horizontalAdvance(word[fits++]);
            builder.Append(word.first(fits), width);
            builder.Break();
            word = word.sliced(fits);
            advance = m_metrics.horizontalAdvance(word.toString());
        }
        builder.Append(word, advance);
    }
    builder.Break();
}
