// A later start of the program, as far as the single-instance channel goes:
// parses its command line like the program does and hands the request to
// the instance listening on the socket given first.
//   shell_request_sender <socket> <program arguments...>
// Exits 0 when the instance took the request, 1 when none did, 2 when the
// command line holds no request to hand over.
#include "CCommandLineInfo.h"
#include "ShellRequest.h"
#include "ShellRequestClient.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return 2;
    const QString socketPath = arguments.takeFirst();

    CCommandLineInfo info;
    ParseCommandLine(arguments, info);
    const std::optional<ShellRequest> request = ShellRequest::FromCommandLine(info);
    if (!request)
        return 2;
    return ShellRequestClient::HandOver(*request, socketPath) ? 0 : 1;
}
