#include "SvgIconEngine.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>
#include <memory>

namespace {

// Each drawing is read once per run, however many icons and sizes use it.
QSvgRenderer &Renderer(const QString &path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    std::shared_ptr<QSvgRenderer> &renderer = renderers[path];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(path);
    return *renderer;
}

} // namespace

SvgIconEngine::SvgIconEngine(std::vector<Drawing> drawings)
    : m_drawings(std::move(drawings))
{
    std::ranges::sort(m_drawings, {}, [](const Drawing &drawing) { return drawing.area.width(); });
}

bool SvgIconEngine::IsValid() const
{
    return !m_drawings.empty() &&
           std::ranges::all_of(m_drawings, [](const Drawing &drawing) { return Renderer(drawing.path).isValid(); });
}

const SvgIconEngine::Drawing &SvgIconEngine::DrawingFor(const QSize &size) const
{
    for (const Drawing &drawing : m_drawings) {
        if (drawing.area.width() >= size.width() && drawing.area.height() >= size.height())
            return drawing;
    }
    return m_drawings.back();
}

QPixmap SvgIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    if (size.isEmpty() || m_drawings.empty())
        return {};
    const Drawing &drawing = DrawingFor(size);
    const QString cacheKey = QStringLiteral("mapsmith-svg:%1:%2,%3,%4,%5:%6x%7:%8")
                                 .arg(drawing.path)
                                 .arg(drawing.area.x())
                                 .arg(drawing.area.y())
                                 .arg(drawing.area.width())
                                 .arg(drawing.area.height())
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(mode));
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;

    QSvgRenderer &renderer = Renderer(drawing.path);
    if (!renderer.isValid())
        return {};
    pixmap = QPixmap(size);
    pixmap.fill(Qt::transparent);
    {
        // Keep the drawing's proportions, centred in the pixmap.
        const QSizeF fitted = drawing.area.size().scaled(QSizeF(size), Qt::KeepAspectRatio);
        const QRectF target(QPointF((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
                            fitted);
        QPainter painter(&pixmap);
        renderer.setViewBox(drawing.area);
        renderer.render(&painter, target);
    }
    if (mode != QIcon::Normal && qApp) {
        QStyleOption option;
        option.palette = QApplication::palette();
        pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

void SvgIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal scale = painter->device()->devicePixelRatio();
    QPixmap image = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
    image.setDevicePixelRatio(scale);
    painter->drawPixmap(rect, image);
}

QList<QSize> SvgIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const Drawing &drawing : m_drawings)
        sizes << drawing.area.size().toSize();
    return sizes;
}

QIconEngine *SvgIconEngine::clone() const
{
    return new SvgIconEngine(m_drawings);
}

QString SvgIconEngine::key() const
{
    return QStringLiteral("mapsmith-svg");
}

bool SvgIconEngine::isNull()
{
    return m_drawings.empty();
}
