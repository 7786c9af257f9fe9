// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the removal did, in words for the user: the same text on the terminal
// and in the window.

#include <string>

#include "Removal.h"

namespace remover {

// `logRemoved`: whether the installation log went too (it stays while
// anything it lists is left).
std::string SummaryText(const std::string& installation, const RemovalOutcome& outcome, bool logRemoved);

}  // namespace remover
