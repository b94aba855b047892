#pragma once

#include "CView.h"

// Fills a script window with a blank page until the edit view takes its
// place.
class CPlaceholderView : public CView {
protected:
    QWidget *CreateViewWidget(QWidget *parent) override;
};
