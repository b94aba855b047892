#include "MimeAppsList.h"
#include "QtPrinting.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MimeApps : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath("mimeapps.list"); }
    void Write(const QByteArray &text)
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray Read() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(MimeApps, ReadsDefaultsOnlyFromTheirGroupAsAKeyFileDoes)
{
    Write("[Added Associations]\n"
          "text/x-rms=added.desktop;\n"
          "[Default Applications]\n"
          "# text/x-rms=commented.desktop;\n"
          "text/x-rms-other=other.desktop;\n"
          "text/x-rms = first.desktop;;second.desktop ;\n"
          "[Default Applications]\n"
          "text/x-rms=later.desktop;\n");
    EXPECT_EQ(MimeAppsList(Path()).Defaults("text/x-rms"), QStringList{"later.desktop"});
    EXPECT_EQ(MimeAppsList(Path()).Defaults("text/x-rms-other"), QStringList{"other.desktop"});
    EXPECT_TRUE(MimeAppsList(Path()).Defaults("text/plain").isEmpty());
    EXPECT_TRUE(MimeAppsList(m_dir.filePath("missing.list")).Defaults("text/x-rms").isEmpty());
}

TEST_F(MimeApps, AddingNeverReplacesAnotherDefault)
{
    const QByteArray text = "[Default Applications]\ntext/x-rms=other.desktop;\n";
    Write(text);
    EXPECT_FALSE(MimeAppsList(Path()).AddDefault("text/x-rms", "mapsmith.desktop"));
    EXPECT_EQ(Read(), text);
}

TEST_F(MimeApps, AddingFillsAnEmptyEntryAndKeepsEveryOtherLine)
{
    Write("# my associations\n"
          "[Default Applications]\n"
          "text/html=browser.desktop;\n"
          "text/x-rms=\n"
          "[Added Associations]\n"
          "text/plain=editor.desktop;");
    EXPECT_TRUE(MimeAppsList(Path()).AddDefault("text/x-rms", "mapsmith.desktop"));
    EXPECT_EQ(Read(), "# my associations\n"
                      "[Default Applications]\n"
                      "text/html=browser.desktop;\n"
                      "text/x-rms=mapsmith.desktop;\n"
                      "[Added Associations]\n"
                      "text/plain=editor.desktop;");
}

TEST_F(MimeApps, AddingToAFileWithoutTheGroupAppendsIt)
{
    Write("[Added Associations]\ntext/plain=editor.desktop;");
    EXPECT_TRUE(MimeAppsList(Path()).AddDefault("text/x-rms", "mapsmith.desktop"));
    EXPECT_EQ(Read(), "[Added Associations]\ntext/plain=editor.desktop;\n"
                      "\n"
                      "[Default Applications]\ntext/x-rms=mapsmith.desktop;\n");
}

TEST_F(MimeApps, RemovingTakesOutOnlyTheGivenProgram)
{
    Write("[Default Applications]\n"
          "text/x-rms=mapsmith.desktop;other.desktop;\n"
          "text/plain=mapsmith.desktop;\n");
    MimeAppsList list(Path());
    EXPECT_TRUE(list.RemoveDefault("text/x-rms", "mapsmith.desktop"));
    EXPECT_EQ(Read(), "[Default Applications]\n"
                      "text/x-rms=other.desktop;\n"
                      "text/plain=mapsmith.desktop;\n");
    EXPECT_FALSE(list.RemoveDefault("text/x-rms", "mapsmith.desktop"));
    EXPECT_TRUE(list.RemoveDefault("text/plain", "mapsmith.desktop"));
    EXPECT_EQ(Read(), "[Default Applications]\n"
                      "text/x-rms=other.desktop;\n");
}

TEST_F(MimeApps, ALinkedListStaysALink)
{
    const QString target = m_dir.filePath("dotfiles-mimeapps.list");
    QFile::remove(Path());
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Default Applications]\n");
    }
    ASSERT_TRUE(QFile::link(target, Path()));

    EXPECT_TRUE(MimeAppsList(Path()).AddDefault("text/x-rms", "mapsmith.desktop"));
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    EXPECT_EQ(Read(), "[Default Applications]\ntext/x-rms=mapsmith.desktop;\n");
}

} // namespace
