#pragma once

#include "CDialog.h"

// The About box: the application icon, the version line and a Close button,
// centred over the main window. It has no data of its own.
class CAboutBox : public CDialog {
public:
    explicit CAboutBox(QWidget *parent = nullptr);
};
