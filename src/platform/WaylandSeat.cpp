// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/WaylandSeat.h"

#include <QtGlobal>

#include <array>
#include <utility>

#ifdef KORDAMIR_HAVE_WAYLAND_CLIENT
#include <wayland-client.h>
#endif

namespace waylandseat {

#ifdef KORDAMIR_HAVE_WAYLAND_CLIENT
namespace {

void globalAdded(void* globals, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    static_cast<QByteArrayList*>(globals)->append(QByteArray(interface));
}

void globalRemoved(void*, wl_registry*, uint32_t)
{
}

const wl_registry_listener registryListener{globalAdded, globalRemoved};

} // namespace

std::optional<QByteArrayList> compositorGlobals()
{
    // A socket handed over is the toolkit's to take; a client of ours on it
    // would take it away.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return std::nullopt;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return std::nullopt;
    QByteArrayList globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!answered)
        return std::nullopt;
    return globals;
}
#else
std::optional<QByteArrayList> compositorGlobals()
{
    return std::nullopt;
}
#endif

QByteArray textInputToAvoid(const QByteArrayList& globals)
{
    if (globals.contains("wl_seat"))
        return {};
    // The toolkit's names for its text input protocols, and the interface
    // through which a compositor offers each.
    static const std::array<std::pair<QByteArray, QByteArray>, 4> protocols{{
        {"zwp_text_input_v2", "zwp_text_input_manager_v2"},
        {"zwp_text_input_v1", "zwp_text_input_manager_v1"},
        {"zwp_text_input_v3", "zwp_text_input_manager_v3"},
        {"qt_text_input_method_v1", "qt_text_input_method_manager_v1"},
    }};
    for (const auto& [name, manager] : protocols) {
        if (!globals.contains(manager))
            return name;
    }
    return {};
}

void avoidTextInputWithoutSeat()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("wayland"))
        return;
    if (const std::optional<QByteArrayList> globals = compositorGlobals()) {
        if (const QByteArray avoid = textInputToAvoid(*globals); !avoid.isEmpty())
            qputenv("QT_WAYLAND_TEXT_INPUT_PROTOCOL", avoid);
    }
}

} // namespace waylandseat
