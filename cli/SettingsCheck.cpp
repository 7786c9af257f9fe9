#include "SettingsCheck.h"

#include "NetworkState.h"
#include "Random.h"
#include "TrainingEngine.h"

namespace vantorelle::cli {

namespace {

// Text that is not a number passes unchanged; the options refuse it earlier.
std::string BoxText(const std::string& option, const NumberLocale& locale)
{
    if (!ParseBoxNumber(option, NumberLocale{}))
        return option;
    return InLocaleForm(option, locale);
}

std::string Quoted(const std::string& value) { return " \"" + value + "\""; }

// The page the check runs against: it keeps what the check says and lets
// its corrections fall, since nothing runs after a refusal here.
class SettingsProbe : public SettingsPanel, public ProgressPanel, public Messages {
public:
    explicit SettingsProbe(const SettingsBoxes& boxes) : boxes(boxes) {}

    std::string title;
    std::string text;

    SettingsBoxes ReadSettingsBoxes() override { return boxes; }
    void SetSweepsBox(const std::string&) override {}
    void SetLRateBox(const std::string&) override {}
    void SetPrintSweepsBox(const std::string&) override {}
    void CheckBothStopBoxes() override {}
    void ShowStatus(const StatusLines&, bool) override {}
    bool StopRequested() override { return true; }

    void Warning(std::string_view t, std::string_view x) override
    {
        title = t;
        text = x;
    }
    void Error(std::string_view x) override { text = x; }

private:
    SettingsBoxes boxes;
};

// The description that ends an error report, without the report around it:
// its last line.
std::string LastLine(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    const auto cr = text.find_last_of('\r');
    return cr == std::string::npos ? text : text.substr(cr + 1);
}

std::string CheckRun(const Options& options, bool continuing)
{
    SettingsBoxes boxes = BoxesFor(options, continuing ? *options.continueEpochs : options.epochs, NumberLocale{});
    // A continued run must add epochs whether or not the epoch stop is on.
    if (continuing)
        boxes.StopAtMaxEpochs = true;
    SettingsProbe probe(boxes);
    MersenneRandom random(0);
    TrainingHost host{probe, probe, probe, random, NumberLocale{}};
    // The check also refuses a network without units or patterns; the
    // smallest whole one stands in for the file not yet read.
    NetworkState net;
    net.NumInputs = net.NumOutputs = net.NumPatterns = net.NumResponses = 1;
    net.InputPatterns.Resize(1, 1);
    net.DesiredOutputs.Resize(1, 1);
    net.PatternOrder.assign(2, 1);
    SizeUnitsAndWeights(net);
    SetDefaultSettings(net);
    net.FreshStart = 1;
    if (ValidateSettings(net, host))
        return {};
    if (probe.title.empty())
        return LastLine(probe.text);
    return WarningLine(options, continuing, probe.title, probe.text);
}

// A hit is a squared error strictly below the criterion, and no squared
// error is below zero.
bool NoHitPossible(const Options& options)
{
    const auto criterion = ParseBoxNumber(options.minError, NumberLocale{});
    return criterion && *criterion <= 0;
}

std::string NoHitText(const Options& options)
{
    return "--min-error" + Quoted(options.minError) + ": no squared error is below " + options.minError +
           ", so no response can be a hit";
}

}  // namespace

SettingsBoxes BoxesFor(const Options& options, const std::string& sweeps, const NumberLocale& locale)
{
    SettingsBoxes boxes;
    boxes.Sweeps = BoxText(sweeps, locale);
    boxes.LRate = BoxText(options.rate ? *options.rate : defaults::RateText(options.rule), locale);
    boxes.PrintSweeps = BoxText(options.printEvery, locale);
    boxes.MinError = BoxText(options.minError, locale);
    boxes.StopAtMaxEpochs = options.epochLimit;
    boxes.StopWhenAllHits = options.hitStop;
    return boxes;
}

std::string WarningLine(const Options& options, bool continuing, std::string_view title, std::string_view text)
{
    std::string option;
    if (title == text::MaxEpochsTitle)
        option = continuing ? "--continue" + Quoted(*options.continueEpochs) : "--epochs" + Quoted(options.epochs);
    else if (title == text::NoStopTitle)
        option = "--no-epoch-limit with --no-hit-stop";
    else if (title == text::LearningRateTitle)
        option = "--rate" + Quoted(options.rate ? *options.rate : defaults::RateText(options.rule));
    else if (title == text::DisplayIntervalTitle)
        option = "--print-every" + Quoted(options.printEvery);
    else
        option = title;
    return option + ": " + LastLine(std::string(text));
}

std::string CheckSettings(const Options& options)
{
    std::string refusal = CheckRun(options, false);
    if (refusal.empty() && options.continueEpochs)
        refusal = CheckRun(options, true);
    if (refusal.empty() && NoHitPossible(options) && !options.epochLimit)
        refusal = NoHitText(options) + " and, with --no-epoch-limit, the run would never end";
    return refusal;
}

std::string HitCriterionWarning(const Options& options)
{
    if (!NoHitPossible(options))
        return {};
    return "warning: " + NoHitText(options) + "; training goes on to the epoch limit";
}

}  // namespace vantorelle::cli
