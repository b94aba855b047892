#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QWidget;

// Takes files dropped anywhere on one window, also over child widgets that
// take drops of their own (an edit window takes dropped text): the local
// files of a drop go to the receiver in the order the drop lists them.
// Drops of anything else pass on untouched.
class FileDropTarget : public QObject {
public:
    using Receiver = std::function<void(const QStringList &paths)>;

    FileDropTarget(QWidget *window, Receiver receive);
    ~FileDropTarget() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    Receiver m_receive;
};
