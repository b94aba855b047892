#pragma once

#include "CCmdTarget.h"

#include <QString>

#include <vector>

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
    // Reads the document from the file; this base cannot read any file.
    virtual bool OnOpenDocument(const QString &path);
    // Writes the document to the file; this base cannot write any file.
    virtual bool OnSaveDocument(const QString &path);
    // Empties the document's content.
    virtual void DeleteContents();
    // May the document's changes be dropped? True when there are none; this
    // base, which cannot save, keeps a modified document open.
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

private:
    friend class CMultiDocTemplate;

    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
    std::vector<CView *> m_viewList;
    CMultiDocTemplate *m_pDocTemplate = nullptr;
};
