#include "CChildFrame.h"

CChildFrame::CChildFrame() = default;
CChildFrame::~CChildFrame() = default;
