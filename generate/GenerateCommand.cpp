#include "GenerateCommand.h"

#include "AnsiCodePage.h"
#include "CGenerateScriptDlg.h"
#include "CWaitCursor.h"
#include "CWinApp.h"
#include "ModalHost.h"
#include "ResourceIds.h"
#include "generator/GenerateMessages.h"
#include "generator/SkeletonFileWriter.h"

#include <QFile>

namespace {

constexpr char kCouldNotLoadMessage[] =
    "The file could not be loaded, it might already be open.\nClose the file and then try again.";

// The dialog holds the name as the script's 8-bit text; on disk the name is
// spelled in the file system's encoding, so a typed "é" names the file the
// way every other program shows it.
std::string DiskFileName(const GenerationSettings &settings)
{
    return QFile::encodeName(AnsiToUnicode(SkeletonFileWriter::FileNameFor(settings))).toStdString();
}

MessageIcon IconFor(SkeletonWriteOutcome outcome)
{
    // A failed write is the file error of the document framework: stop icon.
    return outcome == SkeletonWriteOutcome::WriteFailed ? MessageIcon::Stop : MessageIcon::Exclamation;
}

} // namespace

void RunGenerateCommand()
{
    CGenerateScriptDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;

    // Messages show while the wait cursor is still on.
    CWaitCursor wait;
    const SkeletonWriteResult result = SkeletonFileWriter::WriteFile(dialog.m_settings, DiskFileName(dialog.m_settings));
    if (result.outcome != SkeletonWriteOutcome::Written) {
        AfxMessageBox(QFile::decodeName(QByteArray::fromStdString(GenerateMessageFor(result))), MessageButtons::Ok,
                      IconFor(result.outcome));
        return;
    }
    if (!AfxGetApp()->OpenDocumentFile(QFile::decodeName(QByteArray::fromStdString(result.fullPath))))
        AfxMessageBox(QString::fromLatin1(kCouldNotLoadMessage));
}
