#pragma once

#include <QObject>

class QWidget;

// Help mode: the next click asks for help on what was clicked instead of
// carrying it out; Esc leaves the mode without asking.
class HelpMode : public QObject {
    Q_OBJECT
public:
    explicit HelpMode(QObject *parent);
    ~HelpMode() override;

    bool IsActive() const { return m_bActive; }
    void Enter();
    void Leave();

signals:
    void ActiveChanged(bool active);
    void HelpRequested(QWidget *clicked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_bActive = false;
    bool m_bSwallowRelease = false;
};
