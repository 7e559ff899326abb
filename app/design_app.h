// The application object: starts the program and runs the main window.
#pragma once

#include "platform/framework.h"

class CDesignApp : public CWinApp {
public:
    CDesignApp();

    BOOL InitInstance() override;

    void OnDesignOptions();

    DECLARE_MESSAGE_MAP()
};
