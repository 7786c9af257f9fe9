// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepExplanation.h"

#include <cmath>
#include <cstdio>

#include "Response.h"

namespace vantorelle {

namespace {

const char* const Minus = "\u2212";

std::string Subscript(long n)
{
    static const char* const digits[] = {"\u2080", "\u2081", "\u2082", "\u2083", "\u2084",
                                         "\u2085", "\u2086", "\u2087", "\u2088", "\u2089"};
    const std::string plain = std::to_string(n);
    std::string text;
    for (char c : plain)
        text += digits[c - '0'];
    return text;
}

// A factor in a product: negative numbers in brackets.
std::string Factor(double value, const NumberLocale& locale)
{
    const std::string text = StepNumber(value, locale);
    return value < 0 ? "(" + text + ")" : text;
}

std::string ActivationLine(const PatternStep& step, const OutputUnitStep& u, const NumberLocale& locale)
{
    switch (step.Rule) {
    case RuleKind::Delta:
        return "a = 1 if net \u2265 0, else 0: a = " + StepNumber(u.Activation, locale);
    case RuleKind::Gradient:
        return "a = 1 / (1 + e^(" + std::string(Minus) + "net)) = 1 / (1 + e^(" + Factor(-u.NetInput, locale) +
               ")) = " + StepNumber(u.Activation, locale);
    case RuleKind::Tarvik:
        return "a = e^(" + std::string(Minus) + "\u03c0 \u00b7 net\u00b2) = e^(" + Minus + "\u03c0 \u00b7 " +
               Factor(u.NetInput, locale) + "\u00b2) = " + StepNumber(u.Activation, locale);
    case RuleKind::None: break;
    }
    return "a = " + StepNumber(u.Activation, locale);
}

// The lines that lead from the error to the coefficient c, ending with c.
std::vector<std::string> CoefficientLines(const PatternStep& step, const OutputUnitStep& u, const NumberLocale& locale)
{
    const std::string eta = StepNumber(step.LearningRate, locale);
    switch (step.Rule) {
    case RuleKind::Delta:
        return {"c = \u03b7 \u00b7 e = " + eta + " \u00b7 " + Factor(u.Error, locale) + " = " +
                StepNumber(u.Coefficient, locale)};
    case RuleKind::Gradient: {
        const double slope = (1 - u.Activation) * u.Activation;
        return {"(1 " + std::string(Minus) + " a) \u00b7 a = (1 " + Minus + " " + StepNumber(u.Activation, locale) +
                    ") \u00b7 " + StepNumber(u.Activation, locale) + " = " + StepNumber(slope, locale) +
                    "  (the sigmoid's slope)",
                "c = \u03b7 \u00b7 (1 " + std::string(Minus) + " a) \u00b7 a \u00b7 e = " + eta + " \u00b7 " +
                    Factor(slope, locale) + " \u00b7 " + Factor(u.Error, locale) + " = " +
                    StepNumber(u.Coefficient, locale)};
    }
    case RuleKind::Tarvik: {
        const double g = (-2 * Pi() * u.NetInput) * u.Activation;
        const double delta = g * u.Error - u.Target * u.NetInput;
        return {"g = " + std::string(Minus) + "2\u03c0 \u00b7 net \u00b7 a = " + Minus + "2\u03c0 \u00b7 " +
                    Factor(u.NetInput, locale) + " \u00b7 " + Factor(u.Activation, locale) + " = " +
                    StepNumber(g, locale),
                "\u03b4 = g \u00b7 e " + std::string(Minus) + " t \u00b7 net = " + Factor(g, locale) + " \u00b7 " +
                    Factor(u.Error, locale) + " " + Minus + " " + Factor(u.Target, locale) + " \u00b7 " +
                    Factor(u.NetInput, locale) + " = " + StepNumber(delta, locale),
                "c = \u03b4 \u00b7 \u03b7 = " + Factor(delta, locale) + " \u00b7 " + eta + " = " +
                    StepNumber(u.Coefficient, locale)};
    }
    case RuleKind::None: break;
    }
    return {};
}

std::string Change(double before, double after, const NumberLocale& locale)
{
    if (before == after)
        return StepNumber(before, locale) + " (unchanged)";
    return StepNumber(before, locale) + " \u2192 " + StepNumber(after, locale);
}

}  // namespace

std::string StepNumber(double value, const NumberLocale& locale)
{
    if (std::isnan(value))
        return "not a number";
    if (std::isinf(value))
        return value > 0 ? "\u221e" : std::string(Minus) + "\u221e";
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value == 0 ? 0.0 : std::fabs(value));
    std::string shown = InLocaleForm(text, locale);
    return value < 0 ? Minus + shown : shown;
}

std::vector<std::string> ExplainUnitStep(const PatternStep& step, long k, const NumberLocale& locale,
                                         long weightLines)
{
    const OutputUnitStep& u = step.Outputs[k];
    const long inputs = static_cast<long>(step.Inputs.size()) - 1;
    std::vector<std::string> lines;

    std::string net = "net = \u03a3 x\u1d62 \u00b7 w\u1d62 + \u03b8 = ";
    if (inputs <= weightLines) {
        for (long i = 1; i <= inputs; ++i)
            net += Factor(step.Inputs[i], locale) + " \u00b7 " + Factor(step.WeightsBefore(i, k), locale) + " + ";
        net += Factor(step.ThresholdsBefore[k], locale);
    } else {
        net += "(" + std::to_string(inputs) + " inputs) + " + Factor(step.ThresholdsBefore[k], locale);
    }
    lines.push_back(net + " = " + StepNumber(u.NetInput, locale));
    lines.push_back(ActivationLine(step, u, locale));
    lines.push_back("e = t " + std::string(Minus) + " a = " + StepNumber(u.Target, locale) + " " + Minus + " " +
                    Factor(u.Activation, locale) + " = " + StepNumber(u.Error, locale));
    for (const std::string& line : CoefficientLines(step, u, locale))
        lines.push_back(line);
    if (u.Overflowed)
        lines.push_back("Overflow: a new weight would not be finite, so this unit's update stopped there; "
                        "that weight and the ones after it kept their values.");

    long changed = 0;
    for (long i = 1; i <= inputs; ++i) {
        const double before = step.WeightsBefore(i, k);
        const double now = step.WeightsAfter(i, k);
        changed += before != now;
        if (i <= weightLines)
            lines.push_back("\u0394w" + Subscript(i) + " = c \u00b7 x" + Subscript(i) + " = " +
                            Factor(u.Coefficient, locale) + " \u00b7 " + Factor(step.Inputs[i], locale) + " = " +
                            StepNumber(u.Coefficient * step.Inputs[i], locale) + ":  w" + Subscript(i) + " " +
                            Change(before, now, locale));
    }
    if (inputs > weightLines)
        lines.push_back("\u0394w\u1d62 = c \u00b7 x\u1d62: " + std::to_string(changed) + " of " +
                        std::to_string(inputs) + " weights changed (the inputs that are 0 change nothing).");
    if (step.FrozenThresholds)
        lines.push_back("\u03b8 is frozen: " + StepNumber(step.ThresholdsBefore[k], locale));
    else
        lines.push_back("\u0394\u03b8 = c = " + StepNumber(u.Coefficient, locale) + ":  \u03b8 " +
                        Change(step.ThresholdsBefore[k], step.ThresholdsAfter[k], locale));
    return lines;
}

}  // namespace vantorelle
