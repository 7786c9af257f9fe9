// SPDX-License-Identifier: GPL-3.0-or-later
// A page's background job: the work runs off the interface thread, the other
// pages are held until it has ended, a close request stops it and closes
// afterwards, its end comes after everything it posted, and a job that goes
// while working is stopped and waited for.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "BackgroundJob.h"
#include "PageRegistry.h"
#include "ScrollPage.h"

namespace vantorelle {
namespace {

class PlainPage : public ScrollPage {
public:
    PlainPage() : ScrollPage({3120, 2505}) { finishLoad(); }
};

// Work that waits, on the job's thread, until it is let go or asked to stop.
class Gate {
public:
    void wait()
    {
        std::unique_lock lock(mutex);
        opened.wait(lock, [this] { return open; });
    }
    void letGo()
    {
        std::lock_guard lock(mutex);
        open = true;
        opened.notify_all();
    }

private:
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
};

class BackgroundJobTest : public testing::Test {
protected:
    void SetUp() override
    {
        pages.define(PageName("Owner"), [] { return std::make_unique<PlainPage>(); });
        pages.define(PageName("Other"), [] { return std::make_unique<PlainPage>(); });
        other = pages.open(PageName("Other"));
        owner = pages.open(PageName("Owner"));
        ASSERT_NE(other, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override
    {
        pages.exitProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    PageRegistry pages;
    ScrollPage* other = nullptr;
    ScrollPage* owner = nullptr;
};

TEST_F(BackgroundJobTest, HoldsThePagesUntilTheWorkHasEndedAndItsNewsIsIn)
{
    BackgroundJob job(pages, owner);
    Gate gate;
    std::atomic<bool> onOwnThread{false};
    int posted = 0;
    int postedAtEnd = -1;
    bool heldAtEnd = false;
    bool heldWhenHeldCalled = false;
    QObject::connect(&job, &BackgroundJob::ended, [&] {
        postedAtEnd = posted;
        heldAtEnd = pages.pagesHeld();
    });
    QSignalSpy released(&job, &BackgroundJob::released);
    const std::thread::id interfaceThread = std::this_thread::get_id();
    job.start(
        [&] {
            onOwnThread = std::this_thread::get_id() != interfaceThread;
            gate.wait();
            for (int i = 0; i < 50; ++i)
                QMetaObject::invokeMethod(&job, [&posted] { ++posted; }, Qt::QueuedConnection);
        },
        {}, [&] { heldWhenHeldCalled = pages.pagesHeld(); });

    EXPECT_TRUE(heldWhenHeldCalled);
    EXPECT_TRUE(job.running());
    EXPECT_FALSE(other->isEnabled());
    // The window stays live meanwhile: its events are handled.
    QCoreApplication::processEvents();
    EXPECT_TRUE(job.running());
    gate.letGo();

    ASSERT_TRUE(released.wait(30000));
    EXPECT_TRUE(onOwnThread);
    EXPECT_EQ(postedAtEnd, 50);
    EXPECT_TRUE(heldAtEnd);
    EXPECT_FALSE(job.running());
    EXPECT_FALSE(pages.pagesHeld());
    EXPECT_TRUE(other->isEnabled());
}

TEST_F(BackgroundJobTest, ACloseRequestStopsTheWorkThenClosesThePage)
{
    BackgroundJob job(pages, owner);
    std::atomic<bool> stopAsked{false};
    QSignalSpy released(&job, &BackgroundJob::released);
    job.start(
        [&] {
            while (!stopAsked.load())
                std::this_thread::yield();
        },
        [&] { stopAsked = true; });

    QPointer<ScrollPage> closing = other;
    EXPECT_FALSE(other->close());
    ASSERT_TRUE(released.wait(30000));
    EXPECT_TRUE(stopAsked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }));
    EXPECT_EQ(pages.openPages(), std::vector<QString>{QStringLiteral("Owner")});
}

TEST_F(BackgroundJobTest, AJobThatGoesWhileWorkingIsStoppedAndWaitedFor)
{
    std::atomic<bool> stopAsked{false};
    std::atomic<bool> workEnded{false};
    {
        BackgroundJob job(pages, owner);
        job.start(
            [&] {
                while (!stopAsked.load())
                    std::this_thread::yield();
                workEnded = true;
            },
            [&] { stopAsked = true; });
        EXPECT_TRUE(pages.pagesHeld());
    }
    EXPECT_TRUE(workEnded);
    EXPECT_FALSE(pages.pagesHeld());
    EXPECT_TRUE(other->isEnabled());
}

}  // namespace
}  // namespace vantorelle
