#include "AfxResources.h"

#include "IconResource.h"
#include "StringTable.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

constexpr qsizetype kMaxStatusText = 255;
constexpr qsizetype kMaxTooltip = 79;

} // namespace

std::optional<QString> AfxLoadString(int id)
{
    const char *text = FindResourceString(id);
    if (!text)
        return std::nullopt;
    return QString::fromLatin1(text);
}

CommandPrompt AfxLoadPrompt(int id)
{
    const std::optional<QString> text = AfxLoadString(id);
    if (!text)
        return {};
    const qsizetype newline = text->indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return {text->left(kMaxStatusText), {}};
    return {text->left(std::min(newline, kMaxStatusText)), text->mid(newline + 1).left(kMaxTooltip)};
}

QPixmap AfxRenderDrawing(const QString &path, const QRectF &area, const QSize &pixels)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    renderer.setViewBox(area);
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon AfxLoadIcon(int id)
{
    const IconResource *resource = FindIconResource(id);
    if (!resource)
        return {};
    QIcon icon;
    // The small drawing serves 16 pixels; every larger size, including 16
    // at twice the scale, comes from the large one.
    const QRectF smallArea(0, 0, 16, 16);
    const QRectF largeArea(0, 0, 32, 32);
    icon.addPixmap(AfxRenderDrawing(QString::fromLatin1(resource->small), smallArea, QSize(16, 16)));
    for (int size : {24, 32, 48, 64, 96, 128, 256})
        icon.addPixmap(AfxRenderDrawing(QString::fromLatin1(resource->large), largeArea, QSize(size, size)));
    return icon;
}
