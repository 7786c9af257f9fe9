// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generalization page: the user replaces the pattern set of the trained
// network with the patterns of another file that has the same numbers of
// inputs and outputs; the weights and thresholds stay. The hub's lists then
// examine the network on the new patterns, or the training page continues
// training on them.
//
// A double-click checks a file's header and remembers the verdict in
// `GeneralizeMismatch` for this visit of the page; "Read The New File" reads the selected file only when
// that verdict was a match. The file is read in full into a scratch state and
// checked again before it replaces anything, so a file chosen with a single
// click, or changed since its check, never reaches the network with other
// numbers of units, and a file that cannot be read changes nothing.

#include "ScrollPage.h"
#include "ui_Generalize.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;

class Generalize : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{10905, 9915};

    Generalize(NetworkState& net, Dialogs& dialogs, QWidget* parent = nullptr);

    // The verdict of the last header checked: its units differ from the network's.
    bool mismatch() const { return GeneralizeMismatch; }

private:
    void fileChosen(const QString& name);
    void readNewFile();
    void refuse(const char* text);
    void showFileRows(bool shown);

    Ui::Generalize ui;
    NetworkState& net;
    Dialogs& dialogs;
    bool GeneralizeMismatch = false;
};

}  // namespace vantorelle
