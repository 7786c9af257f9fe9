// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingSetFiles.h"

#include <memory>

#include "TargetWriter.h"

namespace vantorelle {

std::string WriteTrainingSetFiles(const std::vector<TrainingSetFile>& files, ReportFiles& system)
{
    std::vector<std::unique_ptr<TargetWriter>> writers;
    // The writers not yet finished remove their new files as they go.
    auto fail = [&](const std::string& path, int error) {
        const std::string place = writers.empty() ? path : writers.back()->Place();
        writers.clear();
        return "The training set could not be saved as \"" + path + "\".\r" + FileErrorReason(place, error) +
               "\rNo file has been changed.";
    };
    for (const TrainingSetFile& file : files) {
        writers.push_back(std::make_unique<TargetWriter>(system, file.path));
        if (int error = writers.back()->Open())
            return fail(file.path, error);
        const std::string text = TrainingFileText(*file.set);
        if (int error = system.Write(writers.back()->Handle(), text.data(), text.size()))
            return fail(file.path, error);
    }
    for (std::size_t n = 0; n < writers.size(); ++n)
        if (int error = writers[n]->Finish()) {
            // Files renamed already stay: the rename is the last step and rarely fails alone.
            const std::string path = files[n].path;
            const std::string place = writers[n]->Place();
            writers.clear();
            return "The training set could not be saved as \"" + path + "\".\r" + FileErrorReason(place, error);
        }
    return {};
}

std::string WriteTrainingSetFiles(const std::vector<TrainingSetFile>& files)
{
    SystemReportFiles system;
    return WriteTrainingSetFiles(files, system);
}

}  // namespace vantorelle
