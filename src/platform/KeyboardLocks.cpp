#include "platform/KeyboardLocks.h"

#include <QGuiApplication>

#ifdef TESSRA_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace tessra {
namespace {

#ifdef TESSRA_HAVE_X11
bool IndicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on == True;
}

Display* X11Display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}
#endif

}  // namespace

KeyboardLocks CurrentKeyboardLocks()
{
#ifdef TESSRA_HAVE_X11
    if (Display* display = X11Display()) {
        return {IndicatorOn(display, "Kana"), IndicatorOn(display, "Caps Lock"),
                IndicatorOn(display, "Num Lock"), IndicatorOn(display, "Scroll Lock")};
    }
#endif
    return {};
}

}  // namespace tessra
