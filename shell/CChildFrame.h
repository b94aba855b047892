#pragma once

#include "CMDIChildWnd.h"

// The frame of one script window, made by the document template.
class CChildFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    CChildFrame();
    ~CChildFrame() override;
};
