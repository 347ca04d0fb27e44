#include "platform/XScreen.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QRect>

#ifdef KORDAMIR_HAVE_XRANDR
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

namespace xscreen {

double ratioForResources(const char* resources)
{
    if (!resources)
        return 1.0;
    for (const QByteArray& line : QByteArray(resources).split('\n')) {
        const int colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed() != "Xft.dpi")
            continue;
        bool ok = false;
        const int dpi = line.mid(colon + 1).trimmed().toInt(&ok);
        return ok && dpi > 0 ? dpi / 96.0 : 1.0;
    }
    return 1.0;
}

#ifdef KORDAMIR_HAVE_XRANDR

namespace {

Display* heldOpen = nullptr;

bool toolkitUsesX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return platform == "xcb";
    return qgetenv("XDG_SESSION_TYPE") != "wayland" && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool toolkitScalingTouched()
{
    for (const char* name : {"QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI",
                             "QT_FONT_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
        if (qEnvironmentVariableIsSet(name))
            return true;
    }
    return false;
}

// The primary output's area on the root window; the whole root when RandR
// names no output with a picture on it.
QRect primaryArea(Display* display, Window root)
{
    const QRect whole(0, 0, DisplayWidth(display, DefaultScreen(display)),
                      DisplayHeight(display, DefaultScreen(display)));
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase))
        return whole;
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources)
        return whole;
    QRect area;
    const RROutput primary = XRRGetOutputPrimary(display, root);
    for (int pass = 0; pass < 2 && area.isEmpty(); ++pass) {
        for (int i = 0; i < resources->noutput && area.isEmpty(); ++i) {
            if (pass == 0 && resources->outputs[i] != primary)
                continue;
            XRROutputInfo* output = XRRGetOutputInfo(display, resources, resources->outputs[i]);
            if (output && output->crtc) {
                if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, output->crtc)) {
                    area = QRect(crtc->x, crtc->y, int(crtc->width), int(crtc->height));
                    XRRFreeCrtcInfo(crtc);
                }
            }
            if (output)
                XRRFreeOutputInfo(output);
        }
    }
    XRRFreeScreenResources(resources);
    return area.isEmpty() ? whole : area;
}

// The desktop's free area as the window manager publishes it; empty when
// it publishes none.
QRect workArea(Display* display, Window root)
{
    const Atom property = XInternAtom(display, "_NET_WORKAREA", True);
    if (property == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    QRect area;
    if (XGetWindowProperty(display, root, property, 0, 4, False, XA_CARDINAL, &type, &format, &items,
                           &remaining, &data)
            == Success
        && type == XA_CARDINAL && format == 32 && items == 4) {
        const auto* values = reinterpret_cast<const long*>(data);
        area = QRect(int(values[0]), int(values[1]), int(values[2]), int(values[3]));
    }
    if (data)
        XFree(data);
    return area;
}

} // namespace

std::optional<Facts> primary()
{
    if (!toolkitUsesX11() || toolkitScalingTouched())
        return std::nullopt;
    release();
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    heldOpen = display;
    const Window root = DefaultRootWindow(display);
    Facts facts;
    facts.platformRatio = ratioForResources(XResourceManagerString(display));
    QRect area = primaryArea(display, root);
    if (const QRect free = workArea(display, root); !free.isEmpty())
        area = area.intersected(free);
    facts.available = area.size();
    if (facts.available.isEmpty())
        return std::nullopt;
    return facts;
}

void release()
{
    if (heldOpen)
        XCloseDisplay(heldOpen);
    heldOpen = nullptr;
}

#else

std::optional<Facts> primary()
{
    return std::nullopt;
}

void release() {}

#endif

} // namespace xscreen
