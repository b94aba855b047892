#pragma once

#include <QObject>

#include <functional>

// Answers the desktop session manager when the user logs out or shuts down:
// the query decides whether the session may end (it asks about unsaved
// work), and a refusal cancels the logout. While the session is ending the
// windows close without asking again; the user touching the program once
// more (the logout was then cancelled elsewhere) ends that state.
class SessionEndGuard : public QObject {
public:
    using Query = std::function<bool(bool allowsInteraction)>;

    explicit SessionEndGuard(Query query);

    void SetEnding(bool ending);
    bool IsEnding() const { return m_bEnding; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Query m_query;
    bool m_bEnding = false;
};
