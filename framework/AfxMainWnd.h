#pragma once

#include <functional>

class QWidget;

// The application's main window, the owner of every modal interaction.
QWidget *AfxGetMainWnd();
void AfxSetMainWnd(QWidget *window);

// Sends a command id to the main window's command route, as a menu item or
// key would (F1 in a dialog sends ID_HELP this way). The main window installs
// the receiver; with none installed the command is dropped.
void AfxSetMainCommandReceiver(std::function<void(int)> receiver);
void AfxSendMainCommand(int commandId);
