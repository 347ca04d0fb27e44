// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Decides the scale of the whole program before the application object
// exists (the toolkit reads it only then): looks at the primary screen and
// sets the toolkit's scale factor so that the scene fills the screen. Leaves
// everything alone when the player asked for 1:1 or set the toolkit's own
// QT_SCALE_FACTOR.
namespace screenscaling {
void scaleToScreen(int argc, char** argv);

// Lets go of what scaleToScreen kept open; call once the application object
// exists.
void finishScaling();

// At a fractional scale the toolkit may leave the edge pixel of a control
// that vanished or moved on the screen; from now on such a control's window
// is repainted whole. Call once the application object exists.
void repaintWholeWindowsAtFractionalScale();
} // namespace screenscaling
