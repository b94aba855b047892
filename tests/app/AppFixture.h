#pragma once

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMapsmithApp.h"
#include "CMultiDocTemplate.h"
#include "CRecentFileList.h"
#include "CView.h"
#include "QtPrinting.h"
#include "ScriptedModalHost.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The real application object started with a command line, its modal
// interactions answered by a script, its files in a temporary folder. The
// settings store, desktop folders and socket are the test program's private
// ones (see QtTestMain); the store starts empty in every test.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override { SettingsStore().Remove(); }

    bool Start(const QStringList &arguments = {})
    {
        app.SetCommandLine(arguments);
        return app.InitInstance();
    }

    // A file in the temporary folder, by its canonical path.
    QString MakeFile(const QString &name, const QByteArray &bytes = "; a script\r\n")
    {
        const QString path = QDir(m_dir.path()).filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QFileInfo(path).canonicalFilePath();
    }
    QString Folder() const { return QFileInfo(m_dir.path()).canonicalFilePath(); }

    CMDIFrameWnd &Frame() const { return *app.GetMainFrame(); }
    CMultiDocTemplate &Template() const { return *app.GetDocTemplates().front(); }
    const std::vector<CDocument *> &Documents() const { return Template().GetDocuments(); }
    QStringList Titles() const
    {
        QStringList titles;
        for (const CDocument *document : Documents())
            titles << document->GetTitle();
        return titles;
    }
    QStringList PathNames() const
    {
        QStringList paths;
        for (const CDocument *document : Documents())
            paths << document->GetPathName();
        return paths;
    }
    QStringList RecentFiles() const { return app.GetRecentFileList()->Entries(); }
    CDocument *ActiveDocument() const
    {
        CMDIChildWnd *child = Frame().MDIGetActive();
        return child ? child->GetActiveDocument() : nullptr;
    }

    QTemporaryDir m_dir;
    ScriptedModalHost host;
    CMapsmithApp app;
};
