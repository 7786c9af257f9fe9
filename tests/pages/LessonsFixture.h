// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages a student taking a lesson meets, with the lessons folder (and
// the lessons' language) a test chooses, and the lesson files in the order
// the page lists them.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "FindControl.h"
#include "Lessons.h"
#include "NetworkState.h"
#include "PageMemory.h"
#include "PageNames.h"
#include "PageRegistry.h"
#include "Pages.h"
#include "Perceptron.h"
#include "Random.h"
#include "ScriptedDialogs.h"

namespace vantorelle {

inline constexpr int WaitMs = 120000;

inline std::vector<std::string> LessonFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(VANTORELLE_LESSONS))
        if (entry.path().extension() == ".json")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

class LessonsFixture {
public:
    explicit LessonsFixture(const QString& folder, const QString& language = QStringLiteral("en"))
    {
        DefinePages(pages, net, memory, dialogs, [] { return std::make_unique<MersenneRandom>(5); });
        // The program's lessons are beside its installed folder; these are the source tree's.
        pages.define(PageNames::Lessons, [this, folder, language] {
            return std::make_unique<Lessons>(net, dialogs, pages, folder, language);
        });
    }
    ~LessonsFixture()
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs.verifyDone();
    }

    // The lessons page, opened as a student does: with the load-file page's button.
    Lessons* openFromLoadFile()
    {
        ScrollPage* start = pages.open(PageNames::LoadFile);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(start));
        QTest::mouseClick(qt_testing::FindControl<QPushButton>(start, "LessonsButton"), Qt::LeftButton);
        page = qobject_cast<Lessons*>(pages.find(PageNames::Lessons));
        return page;
    }
    template <typename T>
    T* control(const char* name) const
    {
        return qt_testing::FindControl<T>(page, name);
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    Perceptron* setUp() const { return qobject_cast<Perceptron*>(pages.find(PageNames::Perceptron)); }
    bool runEnded() const
    {
        return QTest::qWaitFor([this] { return setUp() && !setUp()->isTraining() && !pages.pagesHeld(); }, WaitMs);
    }

    NetworkState net;
    PageMemory memory;
    ScriptedDialogs dialogs;
    PageRegistry pages;
    Lessons* page = nullptr;
};

inline int LessonIndex(const std::string& file)
{
    const auto files = LessonFiles();
    return static_cast<int>(std::find(files.begin(), files.end(), file) - files.begin());
}

}  // namespace vantorelle
