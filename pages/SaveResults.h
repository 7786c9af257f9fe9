// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The save-results page, opened from the testing hub: the user browses to a
// folder (or creates one), picks a "*.txt" file or types a new name, ticks the
// sections wanted and writes the text results report. The chosen file stays
// in the pages' memory (`ResultsFilePath`) across visits, so a second visit
// can save to it again at once.
//
// Names are checked before they become paths: a typed file or folder name
// holding a path separator, made only of dots or too long for the file system
// is refused with a message, and nothing changes.

#include <QString>
#include <optional>

#include "DialogMessages.h"
#include "DialogMessages.h"
#include "ResultsReport.h"
#include "ScrollPage.h"
#include "ui_SaveResults.h"

class QCheckBox;
class QListWidgetItem;

namespace vantorelle {

struct NetworkState;
struct PageMemory;
class Dialogs;

class SaveResults : public ScrollPage, private ReportObserver {
    Q_OBJECT

public:
    static constexpr DesignSize Design{10635, 9405};

    SaveResults(NetworkState& net, PageMemory& memory, Dialogs& dialogs, QWidget* parent = nullptr);

    // The Check1 box of a section index (0 to 6).
    QCheckBox* check(int index) const;

private:
    void setFonts();
    void fileClicked(const QString& name);
    void createDirectory();
    void createFilename();
    void saveFile();
    ReportSections sections() const;
    enum class NameFor { Folder, File };
    // `name` (made from what was typed) when it can be a name in the listed
    // folder; else shows why not and answers nothing.
    std::optional<QString> acceptedName(const QString& typed, const QString& name, NameFor kind);

    // ReportObserver: the report's progress in FileNameLabel.
    void StageReached(ReportStage stage) override;

    Ui::SaveResults ui;
    NetworkState& net;
    PageMemory& memory;
    Dialogs& dialogs;
    DialogMessages messages;
    // The status line names the file being written, whichever line of the list is selected.
    std::string reportName;
};

// A report name as typed, with ".txt" added unless it ends in exactly ".txt"
// (so "RUN1.TXT" becomes "RUN1.TXT.txt").
QString ReportFileName(const QString& typed);

}  // namespace vantorelle
