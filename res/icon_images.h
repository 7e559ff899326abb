// The application icon's pictures, one character a pixel.
#pragma once

extern const char* const kIconPalette;
extern const char* const kIcon32[32];
extern const char* const kIcon16[16];
