#include "QtModalHost.h"

#include "AfxMainWnd.h"
#include "ResourceIds.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <climits>

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        break;
    }
    return QMessageBox::Warning;
}

int FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

// The window a box or dialog stands over: the main window once it is on the
// screen; before that (a failed start, printing from the command line) the
// screen's centre.
QWidget *DialogParent()
{
    QWidget *mainWindow = AfxGetMainWnd();
    return mainWindow && mainWindow->isVisible() ? mainWindow : nullptr;
}

// On Linux the pattern "*.*" would hide every file without a dot in its
// name; an entry "Name (*.*)" means every file, so its list shows all.
void ShowEveryFileForDotStar(QFileDialog &dialog, const QString &filter)
{
    QFileSystemModel *model = dialog.findChild<QFileSystemModel *>();
    if (model && filter.endsWith(QStringLiteral("(*.*)")))
        model->setNameFilters({QStringLiteral("*")});
}

// The Open dialog: a typed name without an extension gets the default one
// unless a file of that very name exists, which opens as it is (Qt's own
// default suffix would turn "notes" into "notes.rms").
class OpenFileDialog : public QFileDialog {
public:
    OpenFileDialog(QWidget *parent, const QString &title, QString defaultSuffix)
        : QFileDialog(parent, title)
        , m_strDefaultSuffix(std::move(defaultSuffix))
    {
    }

    void accept() override
    {
        // The typed text is the name meant (the list's selection may lag
        // behind it), and it is what the dialog goes on to open.
        auto *nameEdit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const QString typed = nameEdit ? nameEdit->text() : QString();
        if (!m_strDefaultSuffix.isEmpty() && !typed.isEmpty() && !typed.contains('.') && !typed.contains('"')) {
            const QFileInfo name(QDir(directory()).filePath(typed));
            const QString withSuffix = name.filePath() + '.' + m_strDefaultSuffix;
            if (!name.exists() && QFileInfo::exists(withSuffix)) {
                // Selecting leaves the text alone while it has the focus.
                selectFile(withSuffix);
                nameEdit->setText(typed + '.' + m_strDefaultSuffix);
            }
        }
        QFileDialog::accept();
    }

private:
    QString m_strDefaultSuffix;
};

} // namespace

int QtModalHost::DoShowMessage(const MessageRequest &request)
{
    const auto buttons = request.buttons == MessageButtons::YesNoCancel
                             ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                             : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(ToQtIcon(request.icon), request.caption, request.text, buttons, DialogParent());
    box.setEscapeButton(request.buttons == MessageButtons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    return FromQtButton(box.exec());
}

std::optional<QString> QtModalHost::DoChooseFile(const FileDialogRequest &request)
{
    const bool save = request.mode == FileDialogMode::Save;
    OpenFileDialog dialog(DialogParent(), request.title, save ? QString() : request.defaultSuffix);
    // Qt's own dialog, whose file list can be told what "*.*" means.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(request.filters);
    // Queued: after the dialog has applied the entry's own patterns.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &filter) { ShowEveryFileForDotStar(dialog, filter); }, Qt::QueuedConnection);
    if (save) {
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.proposedPath.isEmpty())
        dialog.selectFile(request.proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtModalHost::DoRunPrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, DialogParent());
    // Pages are counted from 1 with no known last page; no selection printing.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, INT_MAX);
    return dialog.exec() == QDialog::Accepted;
}

int QtModalHost::DoRunDialog(QDialog &dialog)
{
    return dialog.exec();
}
