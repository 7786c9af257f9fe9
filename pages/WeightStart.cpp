// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightStart.h"

#include "NetworkState.h"
#include "PageFonts.h"

namespace vantorelle {

WeightStart::WeightStart(NetworkState& net, Dialogs& dialogs, QWidget* parent)
    : StartRangePage(Design, {net.WeightMin, net.WeightMax, net.WeightSign}, dialogs, parent)
{
    ui.setupUi(this);
    PageFonts::set(ui.Label1, PageFonts::title());
    PageFonts::set(ui.MaxWtLabel, PageFonts::caption());
    PageFonts::set(ui.MinWtLabel, PageFonts::caption());
    PageFonts::set(ui.Frame1, PageFonts::button());
    // The form names the boxes and sliders after their captions, for screen readers.
    setUp({ui.MaxWtBox, ui.MaxWtSlider, ui.MinWtBox, ui.MinWtSlider,
           {ui.BothWtOption, ui.PosWtOption, ui.NegWtOption}, ui.UseButton, ui.ExitButton},
          WeightRange);
    finishLoad();
}

}  // namespace vantorelle
