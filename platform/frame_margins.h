// The window manager's frame around a top-level window. Known only once a
// window has been shown; until then, an estimate.
#pragma once

#include <QMargins>

QMargins AfxFrameMargins();

// Records the margins of a shown window; true when they differ from before.
bool AfxLearnFrameMargins(const QMargins& margins);
