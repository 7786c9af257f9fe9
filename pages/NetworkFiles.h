// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Save The Trained Network" and "Open A Saved Network": the hub and the
// load-file page share one of these. Saving asks for a note and a file name
// and writes what the set-up page holds; opening asks for a file, reads it
// whole and only then puts it in place, on the set-up page as it was saved.
// A file that cannot be read is told in a message box and changes nothing.

#include <QCoreApplication>
#include <functional>
#include <string>

namespace vantorelle {

struct KeptRun;
struct NetworkState;
struct SavedNetwork;
class Dialogs;
class OpenFileDialog;
class PageRegistry;
class SaveFileDialog;

class NetworkFiles {
    Q_DECLARE_TR_FUNCTIONS(NetworkFiles)

public:
    NetworkFiles(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, SaveFileDialog& saveDialog,
                 OpenFileDialog& openDialog);

    // False when nothing was saved: no trained network, cancelled, or a
    // failure the user has been told of.
    bool save();
    // The same for a kept run, as it was when it ended; its name is the note offered.
    bool saveRun(const KeptRun& run);
    // False when nothing was opened; true once the set-up page shows the saved network.
    bool open();

private:
    bool askAndWrite(const std::string& trainingFile, const std::string& offeredNote,
                     const std::function<SavedNetwork(const std::string& note)>& network);
    QString suggestedPath(const std::string& name) const;

    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    SaveFileDialog& saveDialog;
    OpenFileDialog& openDialog;
    std::string lastFile;  // the file last saved or opened, which the next dialog offers
};

}  // namespace vantorelle
