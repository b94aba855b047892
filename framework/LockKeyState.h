#pragma once

#include "XkbLocks.h"

#include <QObject>

// Whether Caps Lock, Num Lock and Scroll Lock are on. On an X server the
// keyboard indicators are read (again after each lock key and whenever the
// program becomes active, as another program may have changed them). Where
// the platform has no such query, the state is tracked from the lock keys
// pressed while the program has the keyboard, starting with all off.
class LockKeyState : public QObject {
    Q_OBJECT
public:
    enum class Source { KeyboardIndicators, KeyPresses };

    explicit LockKeyState(QObject *parent = nullptr);

    Source GetSource() const { return m_source; }
    const LockFlags &Flags() const { return m_flags; }

signals:
    void Changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Refresh();
    void Set(const LockFlags &flags);

    Source m_source;
    LockFlags m_flags;
};
