// The program's entry point: the framework starts the application object.
#include "platform/afx_main.h"

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
