// An icon loaded from the program's resources: shared, and kept for the
// life of the program.
#pragma once

#include "platform/win_types.h"

#include <QIcon>
#include <QImage>

struct IconResource {
    QIcon icon;
    QImage big;   // 32 x 32
    QImage small; // 16 x 16
};

// The icon with this id, or null when the program has none.
HICON AfxLoadIcon(UINT id);
