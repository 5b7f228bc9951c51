#pragma once

#include "services.h"

// The desktop's own directory and file choosers, and its browser, where
// the services have none. Start-up alone puts them in: a window or dialog
// uses what it is handed.
Services withDesktopChoosers(Services services);
