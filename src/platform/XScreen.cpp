// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/XScreen.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QRect>

#include <cmath>
#include <limits>

#ifdef KORDAMIR_HAVE_XRANDR
#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <vector>
#endif

namespace xscreen {

double ratioForResources(const QByteArray& resources)
{
    // Read as the toolkit reads it, or the two scales multiply wrongly: a
    // line that begins with exactly this (xrdb writes a tab after the colon),
    // the value rounded to whole dots.
    const QByteArray name = "Xft.dpi:\t";
    for (const QByteArray& line : resources.split('\n')) {
        if (!line.startsWith(name))
            continue;
        bool ok = false;
        const double dpi = std::round(line.mid(name.size()).trimmed().toDouble(&ok));
        // Beyond an int the toolkit's own rounding wraps to a negative
        // value, which it ignores.
        if (!ok || !(dpi > 0) || dpi > std::numeric_limits<int>::max())
            return 1.0;
        return dpi / 96.0;
    }
    return 1.0;
}

#ifdef KORDAMIR_HAVE_XRANDR

namespace {

xcb_connection_t* heldOpen = nullptr;

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

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_screen_t* screenNumbered(const xcb_setup_t* setup, int number)
{
    for (auto it = xcb_setup_roots_iterator(setup); it.rem; --number, xcb_screen_next(&it)) {
        if (number == 0)
            return it.data;
    }
    return nullptr;
}

// What the server is asked at start-up. Each step sends all its requests
// before it waits for any answer: three round trips in all, where one
// request at a time took nine (a millisecond of the start).
class ScreenQuestions {
public:
    ScreenQuestions(xcb_connection_t* connection, xcb_window_t root) : connection_(connection), root_(root) {}

    // The X resources, as the toolkit reads them for Xft.dpi.
    QByteArray resources;
    // The primary output's area on the root window; empty when RandR names
    // no output with a picture on it.
    QRect primaryArea;
    // The desktop's free area as the window manager publishes it; empty
    // when it publishes none.
    QRect workArea;

    void ask()
    {
        constexpr char workAreaName[] = "_NET_WORKAREA";
        xcb_prefetch_extension_data(connection_, &xcb_randr_id);
        const auto resourcesCookie = xcb_get_property(connection_, 0, root_, XCB_ATOM_RESOURCE_MANAGER,
                                                      XCB_ATOM_STRING, 0, 1 << 16);
        const auto atomCookie = xcb_intern_atom(connection_, 1, sizeof workAreaName - 1, workAreaName);

        const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection_, &xcb_randr_id);
        const bool haveRandr = randr && randr->present;
        xcb_randr_get_screen_resources_current_cookie_t resourcesOfScreen{};
        xcb_randr_get_output_primary_cookie_t primaryCookie{};
        if (haveRandr) {
            // The server learns which RandR this client speaks before it is asked anything.
            xcb_discard_reply(connection_, xcb_randr_query_version(connection_, 1, 3).sequence);
            resourcesOfScreen = xcb_randr_get_screen_resources_current(connection_, root_);
            primaryCookie = xcb_randr_get_output_primary(connection_, root_);
        }
        if (Reply<xcb_get_property_reply_t> reply{
                xcb_get_property_reply(connection_, resourcesCookie, nullptr)}) {
            resources = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                   xcb_get_property_value_length(reply.get()));
        }
        xcb_get_property_cookie_t workAreaCookie{};
        bool workAreaAsked = false;
        if (Reply<xcb_intern_atom_reply_t> atom{xcb_intern_atom_reply(connection_, atomCookie, nullptr)};
            atom && atom->atom != XCB_ATOM_NONE) {
            workAreaCookie = xcb_get_property(connection_, 0, root_, atom->atom, XCB_ATOM_CARDINAL, 0, 4);
            workAreaAsked = true;
        }
        if (haveRandr)
            askPrimaryArea(resourcesOfScreen, primaryCookie);
        if (workAreaAsked)
            readWorkArea(workAreaCookie);
    }

private:
    void askPrimaryArea(xcb_randr_get_screen_resources_current_cookie_t resourcesCookie,
                        xcb_randr_get_output_primary_cookie_t primaryCookie)
    {
        const Reply<xcb_randr_get_screen_resources_current_reply_t> screen{
            xcb_randr_get_screen_resources_current_reply(connection_, resourcesCookie, nullptr)};
        const Reply<xcb_randr_get_output_primary_reply_t> primary{
            xcb_randr_get_output_primary_reply(connection_, primaryCookie, nullptr)};
        if (!screen)
            return;
        const xcb_timestamp_t when = screen->config_timestamp;
        const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(screen.get());
        const int outputCount = xcb_randr_get_screen_resources_current_outputs_length(screen.get());
        const xcb_randr_crtc_t* crtcs = xcb_randr_get_screen_resources_current_crtcs(screen.get());
        const int crtcCount = xcb_randr_get_screen_resources_current_crtcs_length(screen.get());

        // Every output and every picture area at once: which one is wanted
        // is known only from the answers.
        std::vector<xcb_randr_get_output_info_cookie_t> outputCookies;
        for (int i = 0; i < outputCount; ++i)
            outputCookies.push_back(xcb_randr_get_output_info(connection_, outputs[i], when));
        std::vector<xcb_randr_get_crtc_info_cookie_t> crtcCookies;
        for (int i = 0; i < crtcCount; ++i)
            crtcCookies.push_back(xcb_randr_get_crtc_info(connection_, crtcs[i], when));

        std::vector<xcb_randr_crtc_t> shownOn(static_cast<size_t>(outputCount), XCB_NONE);
        for (int i = 0; i < outputCount; ++i) {
            if (Reply<xcb_randr_get_output_info_reply_t> output{
                    xcb_randr_get_output_info_reply(connection_, outputCookies[size_t(i)], nullptr)})
                shownOn[size_t(i)] = output->crtc;
        }
        std::vector<QRect> crtcAreas(static_cast<size_t>(crtcCount));
        for (int i = 0; i < crtcCount; ++i) {
            if (Reply<xcb_randr_get_crtc_info_reply_t> crtc{
                    xcb_randr_get_crtc_info_reply(connection_, crtcCookies[size_t(i)], nullptr)})
                crtcAreas[size_t(i)] = QRect(crtc->x, crtc->y, crtc->width, crtc->height);
        }
        const auto areaOf = [&](xcb_randr_crtc_t wanted) {
            for (int i = 0; i < crtcCount; ++i) {
                if (crtcs[i] == wanted)
                    return crtcAreas[size_t(i)];
            }
            return QRect();
        };
        // The primary output first, else the first with a picture on it.
        for (int pass = 0; pass < 2 && primaryArea.isEmpty(); ++pass) {
            for (int i = 0; i < outputCount && primaryArea.isEmpty(); ++i) {
                if (pass == 0 && (!primary || outputs[i] != primary->output))
                    continue;
                if (shownOn[size_t(i)] != XCB_NONE)
                    primaryArea = areaOf(shownOn[size_t(i)]);
            }
        }
    }

    void readWorkArea(xcb_get_property_cookie_t cookie)
    {
        const Reply<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
        if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32
            || xcb_get_property_value_length(reply.get()) != 4 * 4)
            return;
        const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        workArea = QRect(int(values[0]), int(values[1]), int(values[2]), int(values[3]));
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
};

} // namespace

std::optional<Facts> primary()
{
    if (!toolkitUsesX11() || toolkitScalingTouched())
        return std::nullopt;
    release();
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return std::nullopt;
    }
    heldOpen = connection;
    const xcb_screen_t* screen = screenNumbered(xcb_get_setup(connection), screenNumber);
    if (!screen)
        return std::nullopt;

    ScreenQuestions questions(connection, screen->root);
    questions.ask();
    Facts facts;
    facts.platformRatio = ratioForResources(questions.resources);
    QRect area = questions.primaryArea;
    if (area.isEmpty())
        area = QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    if (!questions.workArea.isEmpty())
        area = area.intersected(questions.workArea);
    facts.available = area.size();
    if (facts.available.isEmpty())
        return std::nullopt;
    return facts;
}

void release()
{
    if (heldOpen)
        xcb_disconnect(heldOpen);
    heldOpen = nullptr;
}

#else

std::optional<Facts> primary()
{
    return std::nullopt;
}

void release()
{
}

#endif

} // namespace xscreen
