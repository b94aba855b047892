#include "FirstShownProbe.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

class FirstShownProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow *>(watched)) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After the paint pass has put the window on the screen.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void InstallFirstShownProbeIfRequested()
{
    if (qEnvironmentVariableIsEmpty("MAPSMITH_BENCH_REPORT_SHOWN"))
        return;
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new FirstShownProbe(app));
}
