// What the desktop tells of its screen: sizes and the work area that panels
// leave free, and the rule that centres a dialog.
#pragma once

#include "platform/win_types.h"

int GetSystemMetrics(int index);

// The primary screen's available area.
RECT AfxWorkArea();

// The height of a window caption: 0 where no window manager decorates windows.
int AfxCaptionHeight();

// `window` centred over `area`, then moved inside `work`, its size kept.
RECT AfxCenterRect(const RECT& window, const RECT& area, const RECT& work);
