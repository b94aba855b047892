#pragma once

class QWidget;

// The application's main window, the owner of every modal interaction.
QWidget *AfxGetMainWnd();
void AfxSetMainWnd(QWidget *window);
