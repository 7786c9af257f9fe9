// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsProblems.h"

namespace vantorelle::cli {

namespace {

std::string Quoted(const std::string& value) { return " \"" + value + "\""; }

std::string OptionOf(const Options& options, bool continuing, SettingsField field)
{
    switch (field) {
    case SettingsField::Epochs:
        return continuing ? "--continue" + Quoted(options.continueEpochs->text)
                          : "--epochs" + Quoted(options.epochs.text);
    case SettingsField::StopMethod: return "--no-epoch-limit with --no-hit-stop";
    case SettingsField::LearningRate: return "--rate" + Quoted(RateOf(options).text);
    case SettingsField::PrintSweeps: return "--print-every" + Quoted(options.printEvery.text);
    case SettingsField::MinError: return "--min-error" + Quoted(options.minError.text);
    case SettingsField::Network: break;
    }
    return "the training file";
}

// A hit is a squared error strictly below the criterion, and no squared
// error is below zero.
bool NoHitPossible(const Options& options) { return options.minError.value <= 0; }

std::string NoHitText(const Options& options)
{
    return "--min-error" + Quoted(options.minError.text) + ": no squared error is below " + options.minError.text +
           ", so no response can be a hit";
}

}  // namespace

SettingsInput InputFor(const Options& options, bool continuing)
{
    SettingsInput input;
    input.Epochs = EnteredNumber::Of(continuing ? options.continueEpochs->value : options.epochs.value);
    input.LearningRate = EnteredNumber::Of(RateOf(options).value);
    input.PrintSweeps = EnteredNumber::Of(options.printEvery.value);
    input.MinError = EnteredNumber::Of(options.minError.value);
    input.StopAtMaxEpochs = options.epochLimit;
    input.StopWhenAllHits = options.hitStop;
    return input;
}

std::string ProblemLine(const Options& options, bool continuing, const SettingsProblem& problem)
{
    const std::string& text = problem.kind == SettingsProblem::Kind::Warning ? problem.message : problem.detail;
    return OptionOf(options, continuing, problem.field) + ": " + text;
}

std::string SettingsRefusal(const Options& options)
{
    for (bool continuing : {false, true}) {
        if (continuing && !options.continueEpochs)
            break;
        // Each run is judged as a fresh one: the epochs trained before a
        // continued run do not change whether its own epochs are usable.
        SettingsInput input = InputFor(options, continuing);
        // A continued run must add epochs whether or not the epoch stop is on.
        input.StopAtMaxEpochs = input.StopAtMaxEpochs || continuing;
        const SettingsCheckResult result = CheckSettings(input, RunStart{});
        if (result.problem)
            return ProblemLine(options, continuing, *result.problem);
    }
    if (NoHitPossible(options) && !options.epochLimit)
        return NoHitText(options) + " and, with --no-epoch-limit, the run would never end";
    return {};
}

std::string HitCriterionWarning(const Options& options)
{
    if (!NoHitPossible(options))
        return {};
    return "warning: " + NoHitText(options) + "; training goes on to the epoch limit";
}

}  // namespace vantorelle::cli
