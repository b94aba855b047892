#include "ScriptPageLayout.h"
#include "ScriptPrinter.h"

#include "RawFiles.h"

#include <QFontDatabase>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Pages in a PDF file: its page objects, not the page tree ("/Type /Pages").
int PdfPageCount(const QString &path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(ReadRaw(path)).count(page));
}

QByteArray Lines(int count, const QByteArray &lineEnd)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += "line " + QByteArray::number(i) + lineEnd;
    return text;
}

class ScriptPrinterTest : public ::testing::Test {
protected:
    ScriptPrinterTest() { UsePdf(printer, "out.pdf"); }

    void UsePdf(QPrinter &target, const QString &name)
    {
        target.setOutputFormat(QPrinter::PdfFormat);
        target.setOutputFileName(m_dir.filePath(name));
    }

    int PrintAndCount(const QByteArray &script)
    {
        QFile::remove(printer.outputFileName());
        EXPECT_EQ(ScriptPrinter::Print(printer, script, "RMS1"), PrintOutcome::Printed);
        return PdfPageCount(printer.outputFileName());
    }

    // The layout the printer uses, for judging its pages.
    ScriptPageLayout LayoutOf(QPrinter &target) const
    {
        const QRectF area = target.pageRect(QPrinter::DevicePixel);
        return ScriptPageLayout(QFontMetricsF(QFontDatabase::systemFont(QFontDatabase::FixedFont), &target),
                                area.width(), area.height());
    }

    QPrinter printer{QPrinter::HighResolution};

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ScriptPrinterTest, EmptyScriptPrintsOneBlankPage)
{
    EXPECT_EQ(PrintAndCount(QByteArray()), 1);
}

TEST_F(ScriptPrinterTest, EveryKindOfLineEndEndsAPrintedLine)
{
    const int perPage = LayoutOf(printer).LinesPerPage();
    const int lines = perPage * 2 + perPage / 2;  // two and a half pages of short lines
    EXPECT_EQ(PrintAndCount(Lines(lines, "\r\n")), 3);
    EXPECT_EQ(PrintAndCount(Lines(lines, "\n")), 3) << "LF-only lines do not run together";
    EXPECT_EQ(PrintAndCount(Lines(lines, "\r")), 3);
}

TEST_F(ScriptPrinterTest, PageRangeCountsFromOneWithNoKnownLastPage)
{
    const QByteArray script = Lines(LayoutOf(printer).LinesPerPage() * 3, "\r\n");  // three full pages
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    EXPECT_EQ(PrintAndCount(script), 1);
    printer.setFromTo(2, 99);
    EXPECT_EQ(PrintAndCount(script), 2) << "pages stop where the text ends";
    printer.setFromTo(4, 5);
    QFile::remove(printer.outputFileName());
    EXPECT_EQ(ScriptPrinter::Print(printer, script, "RMS1"), PrintOutcome::Printed);
    EXPECT_FALSE(QFile::exists(printer.outputFileName())) << "a range past the end prints nothing";
}

TEST_F(ScriptPrinterTest, JobIsNamedAfterTheTitleCutTo31Characters)
{
    ScriptPrinter::Print(printer, "x", "A very long script title that goes on and on.rms");
    EXPECT_EQ(printer.docName(), "A very long script title that g");
    ScriptPrinter::Print(printer, "x", "arena.rms");
    EXPECT_EQ(printer.docName(), "arena.rms");
}

TEST_F(ScriptPrinterTest, PrinterThatCannotStartGivesTheOutcome)
{
    QPrinter broken(QPrinter::HighResolution);
    UsePdf(broken, "no such folder/out.pdf");
    EXPECT_EQ(ScriptPrinter::Print(broken, "text", "RMS1"), PrintOutcome::CouldNotStart);
    EXPECT_STREQ(ScriptPrinter::kCouldNotStartMessage, "Could not start print job.");
}

TEST_F(ScriptPrinterTest, PrintingUsesTheWholePrintableArea)
{
    ScriptPrinter::Print(printer, "x", "RMS1");
    EXPECT_FALSE(printer.fullPage());
    EXPECT_EQ(printer.pageLayout().margins(), printer.pageLayout().minimumMargins());
}

namespace {

class PageLayoutTest : public ::testing::Test {
protected:
    PageLayoutTest()
        : metrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
    {
    }

    qreal WidthOf(const QString &text) const { return metrics.horizontalAdvance(text); }

    static QString TextOf(const PrintedLine &line)
    {
        QString text;
        for (const PrintedRun &run : line)
            text += run.text;
        return text;
    }

    QFontMetricsF metrics;
};

} // namespace

TEST_F(PageLayoutTest, LongLinesBreakAtWhiteSpaceWithinThePageWidth)
{
    const QString words = "terrain_type GRASS land_percent 20 base_size 12 border_fuzziness 5 clumping_factor 8";
    const qreal width = WidthOf("terrain_type GRASS land_percent") + 1;
    const ScriptPageLayout layout(metrics, width, 1000);
    const std::vector<PrintedLine> lines = layout.LayOut(words);

    ASSERT_GT(lines.size(), 2u);
    QStringList rebuilt;
    for (const PrintedLine &line : lines) {
        const QString text = TextOf(line);
        EXPECT_LE(WidthOf(text), width) << text.toStdString();
        EXPECT_FALSE(text.startsWith(' ') || text.endsWith(' ')) << "no spaces at a break";
        rebuilt << text;
    }
    EXPECT_EQ(rebuilt.join(' '), words) << "every break is at a space";
    EXPECT_EQ(TextOf(lines[0]), "terrain_type GRASS land_percent") << "as much as fits";
}

TEST_F(PageLayoutTest, PieceWiderThanThePageBreaksAtThePageWidth)
{
    const QString piece(50, 'm');
    const qreal width = WidthOf(QString(12, 'm')) + 0.5;
    const std::vector<PrintedLine> lines = ScriptPageLayout(metrics, width, 1000).LayOut(QString("ab ") + piece);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(TextOf(lines[0]), "ab") << "the piece starts on a line of its own";
    for (size_t i = 1; i < 5; ++i)
        EXPECT_EQ(TextOf(lines[i]), QString(12, 'm'));
    EXPECT_EQ(TextOf(lines[5]), QString(2, 'm'));
}

TEST_F(PageLayoutTest, LineEndsAndTabStops)
{
    const ScriptPageLayout layout(metrics, 10000, 1000);
    const std::vector<PrintedLine> lines = layout.LayOut(u"a\r\nb\nc\rd\r\n\r\n\tx\ty");
    ASSERT_EQ(lines.size(), 6u) << "a final line end adds no line";
    EXPECT_EQ(TextOf(lines[3]), "d");
    EXPECT_TRUE(lines[4].empty());
    const qreal stop = 8 * metrics.averageCharWidth();
    ASSERT_EQ(lines[5].size(), 2u);
    EXPECT_DOUBLE_EQ(lines[5][0].x, stop);
    EXPECT_DOUBLE_EQ(lines[5][1].x, 2 * stop);
}

TEST_F(PageLayoutTest, PagesHoldWholeLinesAndNeverFewerThanOne)
{
    const qreal line = metrics.lineSpacing();
    const ScriptPageLayout layout(metrics, 500, line * 10.5);
    EXPECT_EQ(layout.LinesPerPage(), 10);
    EXPECT_EQ(layout.PageCount(0), 1);
    EXPECT_EQ(layout.PageCount(10), 1);
    EXPECT_EQ(layout.PageCount(11), 2);
    EXPECT_EQ(ScriptPageLayout(metrics, 500, line / 2).LinesPerPage(), 1);
}
