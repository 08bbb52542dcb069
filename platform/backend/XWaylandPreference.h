#pragma once

// The window stays on top, takes its shape from its skin and is placed where the program puts
// it: all of this needs X. On a Wayland session that offers XWayland (DISPLAY is set beside
// WAYLAND_DISPLAY) the Qt window system is therefore asked for its X platform, unless the user
// has chosen one in QT_QPA_PLATFORM. Called before the Qt window system starts.
void PreferXWayland();
