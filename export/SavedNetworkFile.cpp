// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedNetworkFile.h"

#include "TargetWriter.h"

namespace vantorelle {

std::string WriteSavedNetworkFile(const SavedNetwork& saved, const std::string& path, ReportFiles& files)
{
    const bool existed = files.Exists(path);
    TargetWriter target(files, path);
    auto fail = [&](int error) {
        target.Abandon();
        std::string text = "The network could not be saved as \"" + path + "\".\r" +
                           FileErrorReason(target.Place(), error);
        if (existed)
            text += "\rThe earlier file of that name has been left as it was.";
        return text;
    };
    if (int error = target.Open())
        return fail(error);
    const std::string text = WriteSavedNetwork(saved);
    if (int error = files.Write(target.Handle(), text.data(), text.size()))
        return fail(error);
    if (int error = target.Finish())
        return fail(error);
    return {};
}

std::string WriteSavedNetworkFile(const SavedNetwork& saved, const std::string& path)
{
    SystemReportFiles files;
    return WriteSavedNetworkFile(saved, path, files);
}

}  // namespace vantorelle
