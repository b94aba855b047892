#include "CStatusBar.h"

#include "AfxResources.h"
#include "CMDIFrameWnd.h"
#include "LockKeyState.h"
#include "ResourceIds.h"

#include <QLabel>

namespace {

QString IndicatorText(int id, const LockFlags &locks)
{
    const bool on = (id == ID_INDICATOR_CAPS && locks.caps) || (id == ID_INDICATOR_NUM && locks.num) ||
                    (id == ID_INDICATOR_SCRL && locks.scroll);
    return on ? AfxLoadString(id).value_or(QString()) : QString();
}

} // namespace

CStatusBar::CStatusBar() = default;
CStatusBar::~CStatusBar() = default;

bool CStatusBar::Create(CMDIFrameWnd *parent, int id)
{
    setObjectName(QStringLiteral("statusbar%1").arg(id));
    setSizeGripEnabled(true);
    parent->setStatusBar(this);
    parent->RegisterControlBar(id, this);
    return true;
}

bool CStatusBar::SetIndicators(std::span<const int> ids)
{
    std::vector<Pane> panes;
    for (int id : ids) {
        auto *label = new QLabel(this);
        panes.push_back({id, label});
        if (id == ID_SEPARATOR) {
            label->setIndent(2);
            addWidget(label, 1);
            continue;
        }
        const std::optional<QString> text = AfxLoadString(id);
        if (!text) {
            for (const Pane &pane : panes)
                delete pane.label;
            return false;
        }
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int frame = 2 * label->frameWidth();
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(*text) + frame + 6);
        addPermanentWidget(label);
    }
    m_panes = std::move(panes);
    if (!m_pLockKeys) {
        m_pLockKeys = new LockKeyState(this);
        connect(m_pLockKeys, &LockKeyState::Changed, this, &CStatusBar::UpdateIndicators);
    }
    UpdateIndicators();
    return true;
}

QString CStatusBar::GetPaneText(int index) const
{
    return m_panes.at(index).label->text();
}

void CStatusBar::SetPaneText(int index, const QString &text)
{
    m_panes.at(index).label->setText(text);
}

void CStatusBar::UpdateIndicators()
{
    for (const Pane &pane : m_panes) {
        if (pane.id != ID_SEPARATOR)
            pane.label->setText(IndicatorText(pane.id, m_pLockKeys->Flags()));
    }
}
