// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XWatch.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <sys/select.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

// Windows come and go between our requests; an error about a window that is
// already gone is expected and harmless.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

double XWatch::now()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

XWatch::XWatch()
{
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    XSetErrorHandler(ignoreErrors);
    root_ = DefaultRootWindow(display_);
    int damageError = 0;
    if (!XDamageQueryExtension(display_, &damageEventBase_, &damageError))
        throw std::runtime_error("the X server has no DAMAGE extension");
    int major = 0, minor = 0, eventBase = 0, errorBase = 0;
    if (!XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor))
        throw std::runtime_error("the X server has no XTEST extension");
    // Structure too: a program answers a ping by sending it to the root
    // window for those that watch its structure.
    XSelectInput(display_, root_, SubstructureNotifyMask | StructureNotifyMask);
    protocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
    ping_ = XInternAtom(display_, "_NET_WM_PING", False);

    // Windows that exist already (there should be none) are watched as well.
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, root_, &rootReturn, &parent, &children, &count)) {
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display_, children[i], &attributes)) {
                watch(children[i], {attributes.x, attributes.y, attributes.width, attributes.height});
                windows_[children[i]].mapped = attributes.map_state == IsViewable;
            }
        }
        XFree(children);
    }
    XSync(display_, False);
}

XWatch::~XWatch()
{
    XCloseDisplay(display_);
}

void XWatch::watch(Window window, const Rect& rect)
{
    windows_[window].rect = rect;
    // Raw rectangles: one event for every drawing request, so the first one
    // after a map is the program's first paint of that window.
    damages_[window] = XDamageCreate(display_, window, XDamageReportRawRectangles);
}

void XWatch::handle(const XEvent& event)
{
    const double t = now();
    switch (event.type) {
    case CreateNotify: {
        const XCreateWindowEvent& e = event.xcreatewindow;
        if (e.parent == root_)
            watch(e.window, {e.x, e.y, e.width, e.height});
        break;
    }
    case ConfigureNotify: {
        const XConfigureEvent& e = event.xconfigure;
        if (auto found = windows_.find(e.window); found != windows_.end())
            found->second.rect = {e.x, e.y, e.width, e.height};
        break;
    }
    case MapNotify: {
        auto found = windows_.find(event.xmap.window);
        if (found != windows_.end()) {
            found->second.mapped = true;
            events_.push_back({t, Kind::Map, found->first, found->second.rect});
        }
        break;
    }
    case UnmapNotify: {
        auto found = windows_.find(event.xunmap.window);
        if (found != windows_.end()) {
            found->second.mapped = false;
            events_.push_back({t, Kind::Unmap, found->first, found->second.rect});
        }
        break;
    }
    case DestroyNotify: {
        const Window window = event.xdestroywindow.window;
        windows_.erase(window);
        damages_.erase(window); // the server frees a damage object with its drawable
        break;
    }
    case ClientMessage: {
        const XClientMessageEvent& e = event.xclient;
        if (e.window != root_ || e.message_type != protocols_ || Atom(e.data.l[0]) != ping_)
            break;
        if (const auto found = pingsWaiting_.find(e.data.l[1]); found != pingsWaiting_.end()) {
            longestAnswer_ = std::max(longestAnswer_, t - found->second.sent);
            ++pingsAnswered_;
            pingsWaiting_.erase(found);
        }
        break;
    }
    default:
        if (event.type == damageEventBase_ + XDamageNotify) {
            const auto& e = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (windows_.count(e.drawable))
                events_.push_back({t,
                                   Kind::Drawn,
                                   e.drawable,
                                   {e.area.x, e.area.y, e.area.width, e.area.height},
                                   e.timestamp});
        }
        break;
    }
}

bool XWatch::pumpUntil(double deadline, const std::function<bool()>& done)
{
    const int fd = ConnectionNumber(display_);
    for (;;) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            handle(event);
            if (done && done())
                return true;
        }
        if (pingEveryMs_ > 0 && now() >= nextPing_) {
            sendPing();
            nextPing_ = now() + pingEveryMs_;
        }
        double left = deadline - now();
        if (left <= 0)
            return done && done();
        if (pingEveryMs_ > 0)
            left = std::min(left, std::max(0.0, nextPing_ - now()));
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval timeout{static_cast<time_t>(left / 1000),
                        static_cast<suseconds_t>(std::fmod(left, 1000.0) * 1000)};
        select(fd + 1, &readable, nullptr, nullptr, &timeout);
    }
}

std::vector<Window> XWatch::mappedWindows() const
{
    std::vector<Window> mapped;
    for (const auto& [window, state] : windows_) {
        if (state.mapped)
            mapped.push_back(window);
    }
    return mapped;
}

Window XWatch::biggestMapped() const
{
    Window biggest = 0;
    int area = 0;
    for (const auto& [window, state] : windows_) {
        if (state.mapped && state.rect.area() > area) {
            biggest = window;
            area = state.rect.area();
        }
    }
    return biggest;
}

XWatch::Rect XWatch::screen() const
{
    return {0, 0, DisplayWidth(display_, DefaultScreen(display_)),
            DisplayHeight(display_, DefaultScreen(display_))};
}

void XWatch::moveTo(int x, int y)
{
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XFlush(display_);
}

void XWatch::focus(Window window)
{
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XFlush(display_);
}

void XWatch::press(int x, int y)
{
    moveTo(x, y);
    // Let the program see the pointer arrive before the button goes down.
    pumpFor(30);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XFlush(display_);
    pumpFor(30);
}

double XWatch::release()
{
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
    return now();
}

void XWatch::click(int x, int y)
{
    press(x, y);
    release();
}

void XWatch::pingEvery(double everyMs)
{
    pingEveryMs_ = everyMs;
    nextPing_ = now();
}

void XWatch::clearPings()
{
    pingsWaiting_.clear();
    longestAnswer_ = 0;
    pingsAnswered_ = 0;
}

double XWatch::longestPingMs() const
{
    double longest = longestAnswer_;
    const double t = now();
    for (const auto& [serial, ping] : pingsWaiting_) {
        if (windows_.count(ping.window))
            longest = std::max(longest, t - ping.sent);
    }
    return longest;
}

void XWatch::sendPing()
{
    const Window window = biggestMapped();
    if (!window)
        return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols_;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(ping_);
    event.xclient.data.l[1] = ++pingSerial_; // the time field: handed back as it is
    event.xclient.data.l[2] = long(window);
    // No mask: to the client that made the window.
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
    pingsWaiting_[pingSerial_] = {now(), window};
}

double XWatch::key(unsigned long keysym)
{
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
    return now();
}
