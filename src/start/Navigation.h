#pragma once

class WindowRegistry;

// The ways between the windows that more than one window takes.
namespace navigation {

// The start window as backdrop with the player setup window over it: the
// start window is shown (loaded anew if need be), then the setup window, and
// only then is the start window disabled and its menu hidden.
void showSetupOverBackdrop(WindowRegistry& windows);

// The start window in its menu state: shown, enabled, the menu visible.
void showMenu(WindowRegistry& windows);

} // namespace navigation
