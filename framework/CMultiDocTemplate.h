#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CDocument;
class CMDIChildWnd;
class CView;

// Makes documents together with their document windows and views, names new
// documents, and keeps the list of its open documents (which own
// themselves: each goes with its last view).
//
//   AddDocTemplate(CMultiDocTemplate::Make<CMapsmithDoc, CChildFrame, CMapsmithView>(IDR_SCRIPTTYPE));
class CMultiDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CMDIChildWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    // The fields of the template's string, in order.
    enum class DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    // The resource id names the template's string, the document windows'
    // menu and their icon.
    CMultiDocTemplate(int resourceId, DocumentFactory makeDocument, FrameFactory makeFrame, ViewFactory makeView);
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate &) = delete;
    CMultiDocTemplate &operator=(const CMultiDocTemplate &) = delete;

    template <class Document, class Frame, class View>
    static std::unique_ptr<CMultiDocTemplate> Make(int resourceId)
    {
        return std::make_unique<CMultiDocTemplate>(
            resourceId, [] { return std::make_unique<Document>(); }, [] { return std::make_unique<Frame>(); },
            [] { return std::make_unique<View>(); });
    }

    QString GetDocString(DocStringIndex index) const;

    // With no path: a new document named from the count ("RMS1", "RMS2",
    // ...). With a path: the open document of that file, its window
    // activated, or else a new document that reads the file. Returns
    // nothing when that fails; a message has been shown then.
    CDocument *OpenDocumentFile(const QString &path);
    // The open document whose file is the path, compared as canonical paths.
    CDocument *FindDocument(const QString &path) const;
    const std::vector<CDocument *> &GetDocuments() const { return m_docList; }

    CDocument *CreateNewDocument();
    // A new window with a new view of the document, or nothing on failure.
    CMDIChildWnd *CreateNewFrame(CDocument *document);
    void InitialUpdateFrame(CMDIChildWnd *frame, CDocument *document);
    void SetDefaultTitle(CDocument *document) const;

    // Asks every modified document in turn; false as soon as one refuses.
    bool SaveAllModified();
    void CloseAllDocuments();

    void AddDocument(CDocument *document);
    void RemoveDocument(CDocument *document);

private:
    int m_nIDResource;
    QString m_strDocStrings;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    std::vector<CDocument *> m_docList;
    // Only grows: a closed RMS1 does not free its name.
    int m_nUntitledCount = 0;
};
