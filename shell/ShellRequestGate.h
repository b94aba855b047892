#pragma once

// The gate the application gives its ShellRequestServer: true while the main
// window exists and is enabled and no modal dialog or message box is open.
// A request that arrives otherwise is dropped, not kept for later.
bool MainWindowAcceptsShellRequests();
