// SPDX-License-Identifier: GPL-3.0-or-later
#include "BiasStart.h"

#include "NetworkState.h"
#include "PageFonts.h"

namespace vantorelle {

BiasStart::BiasStart(NetworkState& net, Dialogs& dialogs, QWidget* parent)
    : StartRangePage(Design, {net.ThresholdMin, net.ThresholdMax, net.ThresholdSign}, dialogs, parent)
{
    ui.setupUi(this);
    PageFonts::set(ui.Label1, PageFonts::title());
    PageFonts::set(ui.MaxBiasLabel, PageFonts::caption());
    PageFonts::set(ui.MinBiasLabel, PageFonts::caption());
    PageFonts::set(ui.Frame1, PageFonts::button());
    // The form names the boxes and sliders after their captions, for screen readers.
    setUp({ui.MaxBiasBox, ui.MaxBiasSlider, ui.MinBiasBox, ui.MinBiasSlider,
           {ui.BothBiasOption, ui.PosBiasOption, ui.NegBiasOption}, ui.UseButton, ui.ExitButton},
          ThresholdRange);
    finishLoad();
}

}  // namespace vantorelle
