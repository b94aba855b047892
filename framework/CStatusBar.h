#pragma once

#include <QStatusBar>

#include <span>
#include <vector>

class CMDIFrameWnd;
class LockKeyState;
class QLabel;

// The status bar: a message pane that stretches over the free width, then
// one pane per indicator, each as wide as its text and showing it while its
// lock key is on.
class CStatusBar : public QStatusBar {
public:
    CStatusBar();
    ~CStatusBar() override;

    bool Create(CMDIFrameWnd *parent, int id);
    // Pane ids in order: ID_SEPARATOR for the message pane, then indicator
    // ids. False if an indicator's text is missing from the string table.
    bool SetIndicators(std::span<const int> ids);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int GetItemID(int index) const { return m_panes.at(index).id; }
    QString GetPaneText(int index) const;
    void SetPaneText(int index, const QString &text);
    // Where the indicators learn the lock keys' state.
    const LockKeyState *GetLockKeyState() const { return m_pLockKeys; }

private:
    struct Pane {
        int id;
        QLabel *label;
    };
    void UpdateIndicators();

    std::vector<Pane> m_panes;
    LockKeyState *m_pLockKeys = nullptr;
};
