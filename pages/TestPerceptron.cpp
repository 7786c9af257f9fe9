#include "TestPerceptron.h"

#include "NetworkState.h"
#include "PageFonts.h"

namespace vantorelle {

TestPerceptron::TestPerceptron(NetworkState& net, QWidget* parent) : ScrollPage(Design, parent)
{
    ui.setupUi(this);
    PageFonts::set(ui.PlaceholderNote, PageFonts::button());
    // A new visit to the hub has not asked to continue training yet.
    net.ContinueFromTests = 0;
    finishLoad();
}

}  // namespace vantorelle
