// The help viewer: shows a topic of a help file by its context number.
#pragma once

#include "platform/win_types.h"

#include <string>
#include <vector>

struct HelpRequest {
    std::string file;
    UINT command;
    DWORD data;
};

// Asks the viewer for the topic; false when no viewer can show the file.
bool AfxLaunchHelp(const std::string& file, UINT command, DWORD data);

// Every request of this run, oldest first.
const std::vector<HelpRequest>& AfxHelpRequests();
