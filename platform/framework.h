// Everything the program's classes build on.
#pragma once

#include "platform/cdc.h"
#include "platform/cdialog.h"
#include "platform/cprint_dialog.h"
#include "platform/cstring.h"
#include "platform/cwinapp.h"
#include "platform/cwnd.h"
#include "platform/message_map.h"
#include "platform/resources.h"
#include "platform/system_metrics.h"
#include "platform/win_types.h"
