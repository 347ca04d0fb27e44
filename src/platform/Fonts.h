#pragma once

// The game's fonts are named by their classic family names ("Comic Sans MS",
// "Monotype Corsiva", "Times New Roman"). These map them to free faces with
// Cyrillic that the setup installs; call once after the application exists.
namespace fonts {
void installSubstitutes();
}
