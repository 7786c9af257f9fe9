// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One output unit's step written out for a student: its net input, its
// activation, its error and the rule's update in the rule's own formula, with
// the numbers the run used. The step panel shows these lines; a screen reader
// reads them one by one.

#include <string>
#include <vector>

#include "NetworkState.h"
#include "NumberFormat.h"
#include "PatternStep.h"

namespace vantorelle {

// Up to `weightLines` weights get a line each; past that, one line says how
// many changed (the step panel's table shows them all).
std::vector<std::string> ExplainUnitStep(const PatternStep& step, long k, const NumberLocale& locale,
                                         long weightLines = 8);

// A number as the explanation writes it: 4 significant digits, the locale's
// decimal separator, "−" for minus.
std::string StepNumber(double value, const NumberLocale& locale);

}  // namespace vantorelle
