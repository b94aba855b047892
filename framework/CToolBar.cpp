#include "CToolBar.h"

#include "AfxResources.h"
#include "CMDIFrameWnd.h"
#include "ResourceIds.h"
#include "ToolBarResource.h"

#include <QAction>
#include <QFile>

namespace {

// One image of the strip as an icon, sharp at 1x, 2x and 3x scaling.
QIcon StripImage(const ToolBarResource &resource, int index)
{
    const QString strip = QString::fromLatin1(resource.imageStrip);
    const QRectF area(index * resource.imageWidth, 0, resource.imageWidth, resource.imageHeight);
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        const QPixmap image =
            AfxRenderDrawing(strip, area, QSize(resource.imageWidth * scale, resource.imageHeight * scale));
        if (image.isNull())
            return {};
        icon.addPixmap(image);
    }
    return icon;
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
    m_nID = id;
    setObjectName(QStringLiteral("toolbar%1").arg(id));
    parent->addToolBar(Qt::TopToolBarArea, this);
    parent->RegisterControlBar(id, this);
    return true;
}

bool CToolBar::LoadToolBar(int id)
{
    const ToolBarResource *resource = FindToolBarResource(id);
    if (!resource || !m_pFrame || !QFile::exists(QString::fromLatin1(resource->imageStrip)))
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
