// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsCheck.h"

#include "TrainingSettings.h"
#include "TrainingTexts.h"

namespace vantorelle {

namespace {

// A box whose text is not a usable number ends the check with the general
// error report, as any unexpected error there does.
struct BoxError {
    SettingsField field;
    std::string description;
};

const char* BoxName(SettingsField field)
{
    switch (field) {
    case SettingsField::Epochs: return "maximum epochs";
    case SettingsField::LearningRate: return "learning rate";
    case SettingsField::PrintSweeps: return "epochs between displays";
    case SettingsField::MinError: return "minimum error";
    case SettingsField::StopMethod:
    case SettingsField::Network: break;
    }
    return "";
}

double Number(const EnteredNumber& entered, SettingsField field)
{
    if (entered.value)
        return *entered.value;
    throw BoxError{field, "Type mismatch: the " + std::string(BoxName(field)) + " box holds \"" + entered.text +
                              "\", which is not a number."};
}

long WholeNumber(double value, SettingsField field)
{
    if (auto whole = RoundToWhole(value))
        return *whole;
    throw BoxError{field, "Overflow: the number in the " + std::string(BoxName(field)) + " box is too large."};
}

SettingsProblem Warning(SettingsField field, const char* title, const char* message, const char* correction)
{
    return {field, SettingsProblem::Kind::Warning, title, message, {}, correction};
}

std::optional<SettingsProblem> Check(const SettingsInput& input, const RunStart& start, CheckedSettings& checked)
{
    checked.StopAtMaxEpochs = input.StopAtMaxEpochs;
    checked.StopWhenAllHits = input.StopWhenAllHits;
    // A box value below one half rounds to no epochs at all, which would
    // never meet the epoch stop: refuse it like zero.
    const double sweeps = Number(input.Epochs, SettingsField::Epochs);
    if (input.StopAtMaxEpochs && (sweeps <= 0 || WholeNumber(sweeps, SettingsField::Epochs) <= 0))
        return Warning(SettingsField::Epochs, text::MaxEpochsTitle, text::MaxEpochsMessage, "1");
    if (!input.StopAtMaxEpochs && !input.StopWhenAllHits)
        return Warning(SettingsField::StopMethod, text::NoStopTitle, text::NoStopMessage, "");
    const double rate = Number(input.LearningRate, SettingsField::LearningRate);
    if (rate < 0) {
        checked.LearningRate = defaults::RefusedRate;
        return Warning(SettingsField::LearningRate, text::LearningRateTitle, text::LearningRateMessage,
                       defaults::RefusedRateText);
    }
    checked.LearningRate = rate;
    const long printSweeps = WholeNumber(Number(input.PrintSweeps, SettingsField::PrintSweeps),
                                         SettingsField::PrintSweeps);
    // Displays every zero epochs would never come round again.
    if (printSweeps < 1)
        return Warning(SettingsField::PrintSweeps, text::DisplayIntervalTitle, text::DisplayIntervalMessage, "1");
    checked.PrintSweeps = printSweeps;
    if (!input.MinError.Empty())
        checked.MinError = Number(input.MinError, SettingsField::MinError);
    if (start.fresh) {
        checked.EpochLimit = WholeNumber(sweeps, SettingsField::Epochs);
        return std::nullopt;
    }
    checked.EpochLimit = WholeNumber(sweeps + static_cast<double>(start.epochCount), SettingsField::Epochs);
    if (input.StopAtMaxEpochs && checked.EpochLimit <= start.epochCount)
        return Warning(SettingsField::Epochs, text::MaxEpochsTitle, text::MaxEpochsMessage, "1");
    return std::nullopt;
}

}  // namespace

SettingsCheckResult CheckSettings(const SettingsInput& input, const RunStart& start)
{
    SettingsCheckResult result;
    try {
        result.problem = Check(input, start, result.taken);
    } catch (const BoxError& error) {
        result.problem = SettingsProblem{error.field, SettingsProblem::Kind::Error, {},
                                         text::GeneralErrorMessage(error.description), error.description, {}};
    }
    return result;
}

bool EpochsEndNoRun(const EnteredNumber& epochs)
{
    if (!epochs.value || *epochs.value <= 0)
        return true;
    const auto whole = RoundToWhole(*epochs.value);
    return whole && *whole <= 0;
}

}  // namespace vantorelle
