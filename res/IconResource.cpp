#include "IconResource.h"

#include "ResourceIds.h"

#include <array>

namespace {

// 128 is the application's icon, 129 the script windows'.
constexpr std::array kIcons{
    IconResource{IDR_MAINFRAME, ":/res/icons/mainframe-16.svg", ":/res/icons/mainframe-32.svg"},
    IconResource{IDR_SCRIPTTYPE, ":/res/icons/script-16.svg", ":/res/icons/script-32.svg"},
};

} // namespace

const IconResource *FindIconResource(int id)
{
    for (const IconResource &icon : kIcons) {
        if (icon.id == id)
            return &icon;
    }
    return nullptr;
}
