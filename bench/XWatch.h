// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <functional>
#include <map>
#include <vector>

// The X server seen from outside the program: every top-level window that is
// created, mapped, unmapped or drawn into, with the moment this process
// received the event. The server handles one client's requests in order, so
// the order of these events is the order in which the screen changed.
class XWatch {
public:
    struct Rect {
        int x = 0, y = 0, w = 0, h = 0;
        bool contains(const Rect& other) const
        {
            return x <= other.x && y <= other.y && x + w >= other.x + other.w && y + h >= other.y + other.h;
        }
        int area() const { return w * h; }
    };

    enum class Kind { Map, Unmap, Drawn };
    struct Event {
        double t; // ms, steady clock
        Kind kind;
        Window window;
        Rect rect; // the window's geometry; for Drawn, the drawn rectangle in window coordinates
        unsigned long serverMs = 0; // for Drawn, the X server's time of the drawing
    };

    struct TopLevel {
        Rect rect;
        bool mapped = false;
    };

    XWatch();
    ~XWatch();
    XWatch(const XWatch&) = delete;
    XWatch& operator=(const XWatch&) = delete;

    static double now();

    // Reads events until the deadline (ms on now()'s clock) or until done()
    // holds after an event; true when done() held.
    bool pumpUntil(double deadline, const std::function<bool()>& done = {});
    void pumpFor(double ms) { pumpUntil(now() + ms); }

    const std::vector<Event>& events() const { return events_; }
    void clearEvents() { events_.clear(); }

    const std::map<Window, TopLevel>& windows() const { return windows_; }
    std::vector<Window> mappedWindows() const;
    // The biggest mapped top-level window, 0 when none is mapped.
    Window biggestMapped() const;
    Rect screen() const;

    void moveTo(int x, int y);
    // What a window manager does on a click: the keyboard goes to that window.
    void focus(Window window);
    void click(int x, int y);
    // The release alone, after press(); returns the moment it was sent.
    void press(int x, int y);
    double release();
    double key(unsigned long keysym);

    // Whether the program's GUI thread answers, asked as a window manager
    // asks: a _NET_WM_PING to its biggest mapped window every `everyMs`
    // while pumping (0 stops), which Qt answers from its event loop. A
    // program that stops answering leaves its pings waiting that long.
    void pingEvery(double everyMs);
    // The longest a ping waited since clearPings(); one still waiting counts
    // its age, unless its window has gone meanwhile.
    double longestPingMs() const;
    int pingsAnswered() const { return pingsAnswered_; }
    void clearPings();

private:
    void handle(const XEvent& event);
    void watch(Window window, const Rect& rect);
    void sendPing();

    Display* display_ = nullptr;
    Window root_ = 0;
    int damageEventBase_ = 0;
    std::map<Window, TopLevel> windows_;
    std::map<Window, Damage> damages_;
    std::vector<Event> events_;

    Atom protocols_ = 0;
    Atom ping_ = 0;
    double pingEveryMs_ = 0;
    double nextPing_ = 0;
    long pingSerial_ = 0;
    struct Ping {
        double sent;
        Window window;
    };
    std::map<long, Ping> pingsWaiting_;
    double longestAnswer_ = 0;
    int pingsAnswered_ = 0;
};
