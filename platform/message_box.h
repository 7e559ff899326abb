// The framework's own messages: a box with an OK button and an exclamation
// icon, captioned with the application name.
#pragma once

void AfxFrameworkMessage(const char* text);
