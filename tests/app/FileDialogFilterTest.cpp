#include "ModalHost.h"
#include "QStringPrinter.h"
#include "RunUntil.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The real Open dialog of the Qt modal host, used as a person would: the
// steps run once the dialog is up, then the dialog's answer is returned.
class OpenDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"desert.rms", "notes", "readme.txt"}) {
            QFile file(m_dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    std::optional<QString> Choose(const std::function<void(QFileDialog &)> &steps)
    {
        FileDialogRequest request;
        request.mode = FileDialogMode::Open;
        request.title = "Open";
        request.proposedPath = Folder() + '/';
        request.filters = {"RMS Files (*.rms)", "All Files (*.*)"};
        request.defaultSuffix = "rms";
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no file dialog";
                return;
            }
            steps(*dialog);
        });
        return ModalHost::Current().ChooseFile(request);
    }
    // The names the dialog's file list shows in the folder.
    QStringList Listed(QFileDialog &dialog) const
    {
        auto *model = dialog.findChild<QFileSystemModel *>();
        QStringList names;
        if (!model)
            return names;
        const QModelIndex folder = model->index(Folder());
        RunUntil([&] { return !model->canFetchMore(folder) && model->rowCount(folder) > 0; });
        for (int row = 0; row < model->rowCount(folder); ++row)
            names << model->index(row, 0, folder).data().toString();
        names.sort();
        return names;
    }
    static void Type(QFileDialog &dialog, const QString &name)
    {
        auto *edit = dialog.findChild<QLineEdit *>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QString Folder() const { return QFileInfo(m_dir.path()).canonicalFilePath(); }

    QTemporaryDir m_dir;
};

TEST_F(OpenDialog, AllFilesListsFilesWithoutADotAndOneOfThemOpens)
{
    QStringList first;
    QStringList all;
    const std::optional<QString> chosen = Choose([&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Open");
        EXPECT_EQ(dialog.selectedNameFilter(), "RMS Files (*.rms)");
        first = Listed(dialog);
        auto *types = dialog.findChild<QComboBox *>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->itemText(1), "All Files (*.*)");
        QTest::keyClick(types, Qt::Key_Down);
        RunUntil([&] { return Listed(dialog).size() == 3; });
        all = Listed(dialog);
        Type(dialog, "notes");
    });
    EXPECT_EQ(first, QStringList{"desert.rms"});
    EXPECT_EQ(all, (QStringList{"desert.rms", "notes", "readme.txt"}));
    EXPECT_EQ(chosen, Folder() + "/notes");
}

TEST_F(OpenDialog, ATypedNameWithoutExtensionFindsTheScript)
{
    EXPECT_EQ(Choose([](QFileDialog &dialog) { Type(dialog, "desert"); }), Folder() + "/desert.rms");
}

TEST_F(OpenDialog, CancelChoosesNothing)
{
    EXPECT_EQ(Choose([](QFileDialog &dialog) { dialog.reject(); }), std::nullopt);
}

} // namespace
