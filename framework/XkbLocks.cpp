#include "XkbLocks.h"

#include <QGuiApplication>

// The X headers come last: their macros clash with Qt's names.
#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}

} // namespace

std::optional<LockFlags> QueryXkbLocks()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    return LockFlags{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
                     IndicatorOn(display, "Scroll Lock")};
}
