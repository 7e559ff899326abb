#pragma once

// Starts the framework and the application object: InitApplication, then
// InitInstance; when that returns FALSE, ExitInstance, and the program ends.
int AfxWinMain(int argc, char** argv);

// Starts the framework for a program file at `programPath`, without running
// the application; for tests that drive windows themselves.
void AfxInitialize(const char* programPath);
