// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingSetFiles.h"

#include <memory>

#include "TargetWriter.h"

namespace vantorelle {

std::optional<SetFileFailure> WriteTrainingSetFiles(const std::vector<TrainingSetFile>& files)
{
    SystemReportFiles system;
    // Writers not finished remove their new files when they go.
    std::vector<std::unique_ptr<TargetWriter>> writers;
    auto fail = [&](std::size_t file, int error, bool earlierReplaced) {
        SetFileFailure failure{file, writers[file]->Place(), error, earlierReplaced};
        writers.clear();
        return failure;
    };
    for (std::size_t n = 0; n < files.size(); ++n) {
        ReportFiles& written = files[n].files ? *files[n].files : system;
        writers.push_back(std::make_unique<TargetWriter>(written, files[n].path));
        if (int error = writers.back()->Open())
            return fail(n, error, false);
        const std::string text = TrainingFileText(*files[n].set);
        if (int error = written.Write(writers.back()->Handle(), text.data(), text.size()))
            return fail(n, error, false);
    }
    for (std::size_t n = 0; n < writers.size(); ++n)
        if (int error = writers[n]->Finish())
            return fail(n, error, n > 0);
    return std::nullopt;
}

std::string SetFileFailureMessage(const std::vector<TrainingSetFile>& files, const SetFileFailure& failure)
{
    std::string text = "The training set could not be saved as \"" + files[failure.file].path + "\".\r" +
                       FileErrorReason(failure.place, failure.error);
    if (!failure.earlierReplaced)
        text += "\rNo file has been changed.";
    return text;
}

}  // namespace vantorelle
