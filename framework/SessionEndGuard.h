#pragma once

#include <QObject>

#include <functional>

// Answers the desktop session manager when the user logs out or shuts down.
// The query decides whether the session may end (it asks about unsaved
// work); a refusal cancels the logout. Once the session may end, the
// windows close without asking again, until the user touches the program
// once more (the logout was then cancelled elsewhere).
class SessionEndGuard : public QObject {
public:
    using Query = std::function<bool(bool allowsInteraction)>;

    explicit SessionEndGuard(Query query);

    // The session manager asks to commit: true lets the session end.
    bool CommitData(bool allowsInteraction);
    bool IsEnding() const { return m_bEnding; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetEnding(bool ending);

    Query m_query;
    bool m_bEnding = false;
};
