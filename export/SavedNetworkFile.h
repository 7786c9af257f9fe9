// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A saved network written to the file the user named, the way reports are
// (see TargetWriter.h): a plain file is replaced only once every byte of the
// new one is on the disk, so a failure leaves an earlier file as it was.

#include <string>

#include "ReportFiles.h"
#include "SavedNetwork.h"

namespace vantorelle {

// Writes `saved` to `path`; answers nothing on success, otherwise the
// message for the user ("\r" separates its lines) naming the file and why.
std::string WriteSavedNetworkFile(const SavedNetwork& saved, const std::string& path, ReportFiles& files);
std::string WriteSavedNetworkFile(const SavedNetwork& saved, const std::string& path);

}  // namespace vantorelle
