#include "platform/help_viewer.h"

namespace {

std::vector<HelpRequest>& Requests()
{
    static std::vector<HelpRequest> requests;
    return requests;
}

} // namespace

bool AfxLaunchHelp(const std::string& file, UINT command, DWORD data)
{
    Requests().push_back({file, command, data});
    // Help files of this kind have no viewer on this desktop.
    return false;
}

const std::vector<HelpRequest>& AfxHelpRequests() { return Requests(); }
