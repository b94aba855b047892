#include "CToolBar.h"

#include "CMDIFrameWnd.h"
#include "ResourceIds.h"
#include "SvgIconEngine.h"
#include "ToolBarResource.h"

#include <QAction>

namespace {

// One image of the strip as an icon.
QIcon StripImage(const ToolBarResource &resource, int index)
{
    auto *engine = new SvgIconEngine({{QString::fromLatin1(resource.imageStrip),
                                       QRectF(index * resource.imageWidth, 0, resource.imageWidth, resource.imageHeight)}});
    if (!engine->IsValid()) {
        delete engine;
        return {};
    }
    return QIcon(engine);
}

} // namespace

CToolBar::CToolBar()
{
    setMovable(true);
    setFloatable(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

bool CToolBar::CreateEx(CMDIFrameWnd *parent, int id)
{
    m_pFrame = parent;
    setObjectName(QStringLiteral("toolbar%1").arg(id));
    parent->addToolBar(Qt::TopToolBarArea, this);
    parent->RegisterControlBar(id, this);
    return true;
}

bool CToolBar::LoadToolBar(int id)
{
    const ToolBarResource *resource = FindToolBarResource(id);
    if (!resource || !m_pFrame)
        return false;
    setWindowTitle(m_pFrame->windowTitle());
    setIconSize(QSize(resource->imageWidth, resource->imageHeight));
    int image = 0;
    for (int button : resource->buttons) {
        if (button == ID_SEPARATOR) {
            addSeparator();
            continue;
        }
        QIcon icon = StripImage(*resource, image++);
        if (icon.isNull())
            return false;
        QAction *action = m_pFrame->GetCommandAction(button);
        action->setIcon(icon);
        addAction(action);
    }
    return true;
}

void CToolBar::EnableDocking(Qt::ToolBarAreas areas)
{
    setAllowedAreas(areas);
}
