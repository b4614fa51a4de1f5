#pragma once

#include "windows/help_topics.h"

#include <vector>

// The help buttons of the main window, in the order of their rows.
const std::vector<HelpButton> &mainWindowHelpButtons();
