#include "CAboutBox.h"

#include "AboutBoxTemplate.h"

CAboutBox::CAboutBox(QWidget *parent)
    : CDialog(kAboutBoxTemplate, {}, parent)
{
}
