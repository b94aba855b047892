#pragma once

#include "CCmdTarget.h"
#include "CommandRoute.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>

class CMDIChildWnd;
class CMenu;
class CView;
class CommandActions;
class FileDropTarget;
class HelpMode;
class QMdiArea;
class QMenu;
class WindowMenuList;

// The main window of a multiple-document program: menu bar, bars and the
// client area in which the document windows live. It owns the command
// actions, carries out commands along the route, keeps them enabled or
// disabled, switches the menu with the active window, titles itself after
// the active document and shows prompts in the status bar.
class CMDIFrameWnd : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // Makes the window from the resources with the id: its title string,
    // menu, accelerator table and icon, then runs OnCreate. False if a
    // resource is missing or OnCreate fails.
    bool LoadFrame(int resourceId);

    // The route of a command from here: active view, its document, the
    // active document window, this frame, the application.
    CommandRoute GetCommandRoute();
    // Carries the command out if the route has it enabled; true if it ran.
    bool OnCommand(int id);
    QAction *GetCommandAction(int id);
    // Brings every command's enabling up to date; the program does this
    // whenever it is idle, and for a menu's items right before it opens.
    void OnIdleUpdateCmdUI();
    void UpdateMenuCmdUI(QMenu *popup);

    QMdiArea *MDIClient() const { return m_pMDIClient; }
    CMDIChildWnd *MDIGetActive() const;
    CView *GetActiveView() const;

    // Control bars are found by id (the View menu's commands have the ids
    // of the bars they show and hide).
    void RegisterControlBar(int id, QWidget *bar);
    QWidget *GetControlBar(int id) const;

    // The message pane of the status bar.
    void SetMessageText(const QString &text);
    QString GetMessageText() const;
    // "For Help, press F1", or the help-mode text while help mode is on.
    void ShowIdlePrompt();
    bool IsInHelpMode() const;

    // Files dropped anywhere on the window are opened (OnDropFiles), or no
    // longer taken.
    void DragAcceptFiles(bool accept = true);
    // The window comes to the front, then each file is opened in turn.
    void OnDropFiles(const QStringList &paths);

    // Titles the window after the active document window.
    void OnUpdateFrameTitle();
    // Shows the active document window's menu, or the frame's own.
    void OnUpdateFrameMenu();
    // A document window closed: menus and title follow at once.
    void OnChildFrameClosed();

    // Handlers the frames bind in their message maps.
    void OnWindowNew();
    void OnMDIWindowCmd(int id);
    void OnUpdateMDIWindowCmd(CCmdUI *cmdUI);
    void OnBarCheck(int id);
    void OnUpdateControlBarMenu(CCmdUI *cmdUI);
    void OnHelp();
    void OnHelpFinder();
    void OnContextHelp();

protected:
    // Runs while LoadFrame makes the window, after the client area exists;
    // a derived frame creates its bars here. Returns -1 to fail.
    virtual int OnCreate();
    const MessageMap *GetMessageMap() const override;

    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    CMenu *LoadMenu(int id);
    void ShowMenu(int id);
    void ArrangeIcons();
    void ShowHelpFailure();

    QString m_strTitle;
    QMdiArea *m_pMDIClient = nullptr;
    CommandActions *m_pActions = nullptr;
    WindowMenuList *m_pWindowList = nullptr;
    HelpMode *m_pHelpMode = nullptr;
    FileDropTarget *m_pDropTarget = nullptr;
    std::map<int, std::unique_ptr<CMenu>> m_menus;
    std::map<int, QPointer<QWidget>> m_controlBars;
    int m_nDefaultMenuId = 0;
    int m_nShownMenuId = 0;
};
