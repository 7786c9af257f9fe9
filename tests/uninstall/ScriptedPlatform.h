// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A platform layer for the uninstaller's tests: folders and files are names in
// a set, the tree search answers what it was told (and can be held back to
// look at the window meanwhile), files are safe to start unless listed with a
// risk, questions get the scripted answer, and what would be started, shown,
// asked or ended is recorded together with the status line at that moment.

#include "Platform.h"

#include <QHash>
#include <QSet>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

namespace uninstaller {

class ScriptedPlatform : public UninstallPlatform {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString statusLine;
    };
    struct Message {
        QString text;
        QString statusLine;
    };
    struct Question {
        QString text;
        QString statusLine;
        std::size_t startsBefore;  // how many starts had happened when it was asked
    };

    // The script.
    QString program = QStringLiteral("/APP");
    QString windows = QStringLiteral("/WINDOWS");
    QSet<QString> files;
    std::optional<QString> searchFinds;  // found by a search from any folder above it; nothing: never found
    bool searchThrows = false;
    bool startWorks = true;
    QHash<QString, PathRisk> risks;  // files not listed may be started
    bool answerYes = true;

    // What happened.
    std::vector<Start> starts;
    std::vector<Message> messages;
    std::vector<Question> questions;
    int ends = 0;
    int searches() const;
    QStringList searchedRoots() const;
    QString searchedName() const;
    int stoppedSearches() const;

    // Keeps the next searches waiting until releaseSearch().
    void holdSearch();
    void releaseSearch();

    QString programFolder() override { return program; }
    QString windowsFolder() override { return windows; }
    bool fileExists(const QString& path) override { return files.contains(path); }
    bool searchTree(const QString& root, const QString& fileName, QString& found,
                    const std::atomic<bool>& stop) override;
    PathRisk checkRunnable(const QString& path) override { return risks.value(path); }
    bool startDetached(const QString& program, const QStringList& arguments) override;
    void showMessage(const QString& text) override;
    bool confirm(const QString& text) override;
    void endProgram() override { ++ends; }

private:
    // The search runs on a worker thread; these are shared with it.
    mutable std::mutex mutex;
    std::condition_variable released;
    bool held = false;
    int searchCount = 0;
    int stopCount = 0;
    QStringList roots;
    QString name;
};

// The text of the progress window's status line, or the empty text when the
// window is gone.
QString StatusLine();

}  // namespace uninstaller
