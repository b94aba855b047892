#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <optional>

class QAction;
class QWidget;

// One action per command id, shared by every menu item, toolbar button and
// key of that command, so that one enabling answer serves them all. An
// action carries the command's prompt (status tip and tooltip) and, when
// triggered, hands its id to the sender given at construction.
class CommandActions : public QObject {
public:
    // The actions live in the owner window, whose keys they serve.
    CommandActions(QWidget *owner, std::function<void(int)> send);

    // The action of the id, made on first use.
    QAction *Action(int id);
    // The action of the id, or nullptr if none was made.
    QAction *Find(int id) const;
    const std::map<int, QAction *> &All() const { return m_actions; }

    // The command id an action stands for, or nothing for other actions.
    static std::optional<int> CommandId(const QAction *action);

    // Gives each command its keys from the accelerator table; false if the
    // table does not exist.
    bool LoadAccelTable(int id);

private:
    QWidget *m_pOwner;
    std::function<void(int)> m_send;
    std::map<int, QAction *> m_actions;
};
