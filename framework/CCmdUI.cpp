#include "CCmdUI.h"

#include <QAction>

CCmdUI::CCmdUI(int id, QAction *action, QMenu *menu)
    : m_nID(id)
    , m_pAction(action)
    , m_pMenu(menu)
{
}

void CCmdUI::Enable(bool on)
{
    m_bEnabled = on;
    if (m_pAction)
        m_pAction->setEnabled(on);
    m_bEnableChanged = true;
}

void CCmdUI::SetCheck(bool checked)
{
    if (m_pAction) {
        m_pAction->setCheckable(true);
        m_pAction->setChecked(checked);
    }
}

void CCmdUI::SetText(const QString &text)
{
    if (m_pAction)
        m_pAction->setText(text);
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = true;
}
