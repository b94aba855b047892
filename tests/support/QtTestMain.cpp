#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    // Never touch the real user's settings, desktop files or sockets.
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) {
        const QByteArray dir = (home.path() + '/' + name).toLocal8Bit();
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QFile::setPermissions(QString::fromLocal8Bit(dir), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv(name, dir.constData(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
