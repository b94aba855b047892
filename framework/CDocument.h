#pragma once

#include "CCmdTarget.h"

#include <QString>

#include <vector>

class CArchive;
class CMDIChildWnd;
class CMultiDocTemplate;
class CView;

enum class AddToRecentFiles { Yes, No };

// One open document: its title, path, modified flag and the views that show
// it, oldest first. It destroys itself when its last view goes.
class CDocument : public CCmdTarget {
public:
    CDocument();
    ~CDocument() override;

    const QString &GetTitle() const { return m_strTitle; }
    // Sets the title and renames every window of the document.
    virtual void SetTitle(const QString &title);
    const QString &GetPathName() const { return m_strPathName; }
    // Takes the full path of the document's file; the title becomes the
    // file's name, and the file goes to the top of the recent-file list.
    virtual void SetPathName(const QString &path, AddToRecentFiles addToRecent = AddToRecentFiles::Yes);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    CMultiDocTemplate *GetDocTemplate() const { return m_pDocTemplate; }
    const std::vector<CView *> &GetViews() const { return m_viewList; }
    void AddView(CView *view);
    void RemoveView(CView *view);
    // Numbers the document's windows (RMS1:1, RMS1:2) while it has more than
    // one, and renames them.
    void UpdateFrameCounts();

    // Operations the framework calls; each returns whether it succeeded.
    // A new, empty document: no path, not modified.
    virtual bool OnNewDocument();
    // Reads the file's raw bytes (shared with readers, not writers) and
    // gives them to Serialize; a failure is shown to the user. Not modified
    // afterwards.
    virtual bool OnOpenDocument(const QString &path);
    // Writes what Serialize stores to the file under the wait cursor (an
    // existing file is replaced only once the new content is complete); a
    // failure is shown and leaves document and file as they were. Not
    // modified afterwards.
    virtual bool OnSaveDocument(const QString &path);
    // Loads the content from the archive, or stores it there; this base has
    // no content, so it loads nothing and cannot be saved.
    virtual void Serialize(CArchive &archive);
    // Empties the document's content.
    virtual void DeleteContents();
    // Save: to the document's file, or through Save As when it has none, the
    // file is read-only or gone. True when the document was saved.
    bool DoFileSave();
    // Writes to the path and makes it the document's path; with no path,
    // asks for one in the Save As dialog first. False when cancelled or
    // failed.
    bool DoSave(const QString &path);
    // The name Save As proposes: the path, or the title cut before its first
    // space, #, %, ;, / or \ with the template's extension added.
    QString ProposedSaveName() const;
    // May the document's changes be dropped? Asks "Save changes to ...?"
    // when modified: Yes saves (and stops if the save does not complete),
    // No drops the changes, Cancel stops.
    virtual bool SaveModified();
    // May the frame close? Yes if another window still shows the document,
    // otherwise as SaveModified says.
    virtual bool CanCloseFrame(CMDIChildWnd *frame);
    // Closes every window of the document, then destroys it (auto-delete).
    virtual void OnCloseDocument();

    bool m_bAutoDelete = true;

protected:
    const MessageMap *GetMessageMap() const override;
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

private:
    friend class CMultiDocTemplate;

    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
    std::vector<CView *> m_viewList;
    CMultiDocTemplate *m_pDocTemplate = nullptr;
};
