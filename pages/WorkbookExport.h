// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spreadsheet summary as the hub runs it: the workbook is built as the
// hub's background job (BackgroundJob.h) while the hub's FeedBackLabel and
// ExcelProgressBar follow its progress, the other pages are held (nothing
// else may touch the network state meanwhile) and the hub's own controls
// wait; a page whose close is asked for meanwhile closes once the export has
// ended (it has no stop). At
// the end the workbook is opened with the desktop's program for .xlsx files;
// when there is none, a message names the file that was written, so nothing
// is lost.
//
// Where the workbooks go and how one is opened is a WorkbookViewer: the
// program's opens through QDesktopServices, tests script their own.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "BackgroundJob.h"
#include "SpreadsheetSummary.h"

class QLabel;
class QProgressBar;

namespace vantorelle {

class Dialogs;
class PageRegistry;
class ScrollPage;
struct NetworkState;

class WorkbookViewer {
public:
    virtual ~WorkbookViewer() = default;
    // The folder this run's workbooks are written to (Book1.xlsx, Book2.xlsx, ...).
    virtual QString folder() = 0;
    // Opens a written workbook with the desktop's program for it; false when
    // no program is registered for it or it could not be started.
    virtual bool open(const QString& path) = 0;
};

// The desktop's: a folder of its own for each run of the program under
// "Vantorelle workbooks" in the user's documents folder (the home folder when
// there is none), named after the time the program started; opened with
// QDesktopServices.
class DesktopWorkbookViewer : public WorkbookViewer {
public:
    DesktopWorkbookViewer();
    QString folder() override { return runFolder; }
    bool open(const QString& path) override;

private:
    QString runFolder;
};

class WorkbookExport : public QObject {
    Q_OBJECT

public:
    // `busy` are the owner's controls that wait while an export runs.
    WorkbookExport(NetworkState& net, Dialogs& dialogs, PageRegistry& pages, WorkbookViewer& viewer,
                   ScrollPage* owner, QLabel* feedback, QProgressBar* bar, QList<QWidget*> busy);
    // Waits for a running export: the worker uses the network state.
    ~WorkbookExport() override;

    // Starts an export and returns at once; does nothing while one runs.
    void start();
    // The sheets after the summary's own, asked for at each start (none when unset).
    void setExtras(std::function<WorkbookExtras()> extras) { extrasFor = std::move(extras); }
    bool running() const { return job.running(); }

signals:
    // The export has ended and its messages have been answered.
    void finished(bool ok);

private:
    class Progress;
    std::function<WorkbookExtras()> extrasFor;
    void done();

    NetworkState& net;
    Dialogs& dialogs;
    WorkbookViewer& viewer;
    QPointer<QLabel> feedback;
    QPointer<QProgressBar> bar;
    QList<QPointer<QWidget>> busy;
    std::unique_ptr<Progress> progress;
    SummaryResult result;
    // Last: it waits for the worker before anything the worker uses goes.
    BackgroundJob job;
};

// What the user is told when a workbook was written but cannot be shown.
QString NoViewerMessage(const QString& path);

}  // namespace vantorelle
