// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up page: the user browses drives and folders, double-clicks a
// training file, sees its name and sizes, and moves on to the training set-up
// page; or opens a network saved earlier, or makes or edits a training set.

#include "ScrollPage.h"
#include "TrainingFile.h"
#include "ui_LoadFile.h"

namespace vantorelle {

struct NetworkState;
class Dialogs;
class NetworkFiles;
class PageRegistry;

class LoadFile : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{10785, 9540};

    // `files` opens saved networks; without it the page has no button for that.
    LoadFile(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, NetworkFiles* files = nullptr,
             QWidget* parent = nullptr);

    // The folder the lists start on: shownFolder, unless it holds no ".net"
    // file and the installed examples (../share/vantorelle/examples beside
    // programFolder) hold some.
    static QString startFolder(const QString& shownFolder, const QString& programFolder);

private:
    void fileChosen(const QString& name);
    // A file read that may not hold what its author meant (see ReadNotes).
    void tellReadNotes(const QString& name, const ReadResult& result);
    void nextPage();
    void showFileRows(bool shown);

    Ui::LoadFile ui;
    NetworkState& net;
    Dialogs& dialogs;
    PageRegistry& pages;
    NetworkFiles* files;
};

}  // namespace vantorelle
