#include "AfxResources.h"

#include "IconResource.h"
#include "StringTable.h"
#include "SvgIconEngine.h"


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

QIcon AfxLoadIcon(int id)
{
    const IconResource *resource = FindIconResource(id);
    if (!resource)
        return {};
    return QIcon(new SvgIconEngine({
        {QString::fromLatin1(resource->small), QRectF(0, 0, 16, 16)},
        {QString::fromLatin1(resource->large), QRectF(0, 0, 32, 32)},
    }));
}
