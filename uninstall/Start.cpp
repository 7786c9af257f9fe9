// SPDX-License-Identifier: GPL-3.0-or-later
#include "Start.h"

#include "Program.h"
#include "Uninstall.h"

namespace uninstaller {

Start::Start(ProgramState& state, UninstallPlatform& platform, QWidget* parent)
    : QWidget(parent), state(state), platform(platform)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui.Yes, &QPushButton::clicked, this, &Start::yesClicked);
    connect(ui.Cancel, &QPushButton::clicked, this, &Start::cancelClicked);

    state.locatePageFlag = 0;
}

void Start::yesClicked()
{
    auto* progress = new Uninstall(state, platform);
    progress->load();
    close();
}

void Start::cancelClicked() { EndProgram(platform); }

}  // namespace uninstaller
