// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/XRandrDisplayMode.h"

#include <QGuiApplication>

#ifdef KORDAMIR_HAVE_XRANDR
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <vector>

namespace {

// An X error (a mode the server refuses) must not end the program: it is
// counted and the request reported as failed.
int failedRequests = 0;
int countError(Display*, XErrorEvent*)
{
    ++failedRequests;
    return 0;
}

} // namespace

struct XRandrDisplayMode::Saved {
    Display* display = nullptr;
    RRCrtc crtc = 0;
    RRMode mode = 0;
    int x = 0;
    int y = 0;
    Rotation rotation = RR_Rotate_0;
    std::vector<RROutput> outputs;
    int screenWidth = 0;
    int screenHeight = 0;
    int screenWidthMm = 0;
    int screenHeightMm = 0;
    bool changed = false;
};

XRandrDisplayMode::XRandrDisplayMode() = default;

XRandrDisplayMode::~XRandrDisplayMode()
{
    restore();
    if (saved_ && saved_->display)
        XCloseDisplay(saved_->display);
}

bool XRandrDisplayMode::request(const DisplayModeRequest& wanted)
{
    if (!saved_) {
        saved_ = std::make_unique<Saved>();
        saved_->display = XOpenDisplay(nullptr);
    }
    Display* display = saved_->display;
    if (!display)
        return false;

    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase))
        return false;

    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources)
        return false;

    bool granted = false;
    for (int o = 0; o < resources->noutput && !granted; ++o) {
        XRROutputInfo* output = XRRGetOutputInfo(display, resources, resources->outputs[o]);
        if (!output)
            continue;
        if (output->connection == RR_Connected && output->crtc) {
            // Only a mode this output offers.
            RRMode modeId = 0;
            for (int m = 0; m < output->nmode && !modeId; ++m) {
                for (int r = 0; r < resources->nmode; ++r) {
                    const XRRModeInfo& info = resources->modes[r];
                    if (info.id == output->modes[m] && static_cast<int>(info.width) == wanted.width
                        && static_cast<int>(info.height) == wanted.height) {
                        modeId = info.id;
                        break;
                    }
                }
            }
            XRRCrtcInfo* crtc = modeId ? XRRGetCrtcInfo(display, resources, output->crtc) : nullptr;
            if (crtc) {
                if (!saved_->changed) {
                    saved_->crtc = output->crtc;
                    saved_->mode = crtc->mode;
                    saved_->x = crtc->x;
                    saved_->y = crtc->y;
                    saved_->rotation = crtc->rotation;
                    saved_->outputs.assign(crtc->outputs, crtc->outputs + crtc->noutput);
                    saved_->screenWidth = DisplayWidth(display, DefaultScreen(display));
                    saved_->screenHeight = DisplayHeight(display, DefaultScreen(display));
                    saved_->screenWidthMm = DisplayWidthMM(display, DefaultScreen(display));
                    saved_->screenHeightMm = DisplayHeightMM(display, DefaultScreen(display));
                }
                XSync(display, False);
                failedRequests = 0;
                auto* previousHandler = XSetErrorHandler(countError);
                const int widthMm = saved_->screenWidthMm * wanted.width / qMax(1, saved_->screenWidth);
                const int heightMm = saved_->screenHeightMm * wanted.height / qMax(1, saved_->screenHeight);
                XGrabServer(display);
                XRRSetCrtcConfig(display, resources, output->crtc, CurrentTime, 0, 0, None, RR_Rotate_0,
                                 nullptr, 0);
                XRRSetScreenSize(display, root, wanted.width, wanted.height, widthMm, heightMm);
                const Status status = XRRSetCrtcConfig(display, resources, output->crtc, CurrentTime, 0, 0,
                                                       modeId, crtc->rotation, crtc->outputs, crtc->noutput);
                XUngrabServer(display);
                XSync(display, False);
                XSetErrorHandler(previousHandler);
                granted = status == RRSetConfigSuccess && failedRequests == 0;
                saved_->changed = true;
                XRRFreeCrtcInfo(crtc);
            }
        }
        XRRFreeOutputInfo(output);
    }
    XRRFreeScreenResources(resources);
    if (!granted && saved_->changed)
        restore();
    return granted;
}

void XRandrDisplayMode::restore()
{
    if (!saved_ || !saved_->changed || !saved_->display)
        return;
    Display* display = saved_->display;
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources) {
        XSync(display, False);
        auto* previousHandler = XSetErrorHandler(countError);
        XGrabServer(display);
        XRRSetCrtcConfig(display, resources, saved_->crtc, CurrentTime, 0, 0, None, RR_Rotate_0, nullptr, 0);
        XRRSetScreenSize(display, root, saved_->screenWidth, saved_->screenHeight, saved_->screenWidthMm,
                         saved_->screenHeightMm);
        XRRSetCrtcConfig(display, resources, saved_->crtc, CurrentTime, saved_->x, saved_->y, saved_->mode,
                         saved_->rotation, saved_->outputs.data(), static_cast<int>(saved_->outputs.size()));
        XUngrabServer(display);
        XSync(display, False);
        XSetErrorHandler(previousHandler);
        XRRFreeScreenResources(resources);
    }
    saved_->changed = false;
}

#else

struct XRandrDisplayMode::Saved {};
XRandrDisplayMode::XRandrDisplayMode() = default;
XRandrDisplayMode::~XRandrDisplayMode() = default;
bool XRandrDisplayMode::request(const DisplayModeRequest&)
{
    return false;
}
void XRandrDisplayMode::restore()
{
}

#endif

std::unique_ptr<DisplayModeService> XRandrDisplayMode::forCurrentPlatform()
{
#ifdef KORDAMIR_HAVE_XRANDR
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return std::make_unique<XRandrDisplayMode>();
#endif
    return std::make_unique<NoDisplayModeService>();
}
