// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageRegistry.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "ControlHelp.h"
#include "ScrollPage.h"

namespace vantorelle {

PageRegistry::~PageRegistry()
{
    // A page going now (one whose job still runs, say) opens or closes nothing.
    exiting = true;
    holding = false;
    opensAfterHold.clear();
    closesAfterHold.clear();
    std::vector<OpenPage> remaining;
    remaining.swap(pages);
    active = nullptr;
    for (OpenPage& open : remaining) {
        if (open.page) {
            disconnect(open.page, nullptr, this, nullptr);
            delete open.page;
        }
    }
}

void PageRegistry::define(PageName page, Factory factory, Role role)
{
    const QString name = page.toString();
    factories[name] = std::move(factory);
    companions.erase(std::remove(companions.begin(), companions.end(), name), companions.end());
    if (role == Role::Companion)
        companions.push_back(name);
}

bool PageRegistry::isDefined(PageName name) const { return factories.count(name.toString()) != 0; }

ScrollPage* PageRegistry::open(PageName name) { return openNamed(name.toString()); }

ScrollPage* PageRegistry::openBeside(PageName name)
{
    keepKeyboard = true;
    ScrollPage* page = open(name);
    keepKeyboard = false;
    return page;
}

ScrollPage* PageRegistry::find(PageName name) const { return findNamed(name.toString()); }

ScrollPage* PageRegistry::openNamed(const QString& name)
{
    if (exiting)
        return nullptr;
    if (holding) {
        // A new page's load step reads the state, and an existing page's
        // activation step would too: both wait for the job to end.
        if (std::find(opensAfterHold.begin(), opensAfterHold.end(), name) == opensAfterHold.end())
            opensAfterHold.push_back(name);
        return findNamed(name);
    }
    if (ScrollPage* existing = findNamed(name)) {
        activate(existing);
        return existing;
    }
    auto factory = factories.find(name);
    if (factory == factories.end()) {
        qWarning("No page is called \"%s\".", qPrintable(name));
        return nullptr;
    }
    ensureFocusTracking();

    // Once shown, a page deletes itself when it closes (Qt::WA_DeleteOnClose).
    ScrollPage* page = factory->second().release();
    if (!page)
        return nullptr;
    page->setAttribute(Qt::WA_DeleteOnClose);
    // Built in full now: its controls, and the windows it opens later, get their help.
    help::KeepHelpApplied(page);
    pages.push_back({name, page});
    connect(page, &ScrollPage::closed, this, [this, page] { pageClosed(page); });
    connect(page, &QObject::destroyed, this, &PageRegistry::pageDestroyed);
    activate(page);
    return page;
}

ScrollPage* PageRegistry::findNamed(const QString& name) const
{
    for (const OpenPage& open : pages) {
        if (open.name == name && open.page)
            return open.page;
    }
    return nullptr;
}

std::vector<QString> PageRegistry::openPages() const
{
    std::vector<QString> names;
    for (const OpenPage& open : pages) {
        if (open.page)
            names.push_back(open.name);
    }
    return names;
}

ScrollPage* PageRegistry::pageInCharge() const { return holding && holder ? holder.data() : active; }

void PageRegistry::exitProgram()
{
    if (exiting)
        return;
    exiting = true;
    holding = false;
    stopJob = nullptr;
    heldPages.clear();
    opensAfterHold.clear();
    closesAfterHold.clear();
    std::vector<OpenPage> closing;
    closing.swap(pages);
    active = nullptr;
    // The "Exit" handler that called us is still running on one of these pages:
    // hide them now and let the event loop delete them.
    for (OpenPage& open : closing) {
        if (open.page) {
            disconnect(open.page, nullptr, this, nullptr);
            open.page->hide();
            open.page->deleteLater();
        }
    }
    emit finished();
}

void PageRegistry::holdPagesFor(ScrollPage* owner, std::function<void()> stop)
{
    if (holding)
        releasePages();
    holding = true;
    holder = owner;
    stopJob = std::move(stop);
    // The owner's own close requests wait for the job too.
    if (owner)
        owner->installEventFilter(this);
    for (const OpenPage& open : pages) {
        if (open.page && open.page != owner) {
            // Disabling a page takes the focus off its controls, and enabling
            // it does not give it back: a keyboard user would find none.
            heldPages.push_back({open.page, open.page->focusWidget()});
            open.page->setEnabled(false);
            open.page->installEventFilter(this);
        }
    }
    emit holdStarted(owner);
}

void PageRegistry::releasePages()
{
    if (!holding)
        return;
    holding = false;
    if (holder)
        holder->removeEventFilter(this);
    holder = nullptr;
    stopJob = nullptr;
    for (const HeldPage& held : heldPages) {
        if (held.page) {
            held.page->removeEventFilter(this);
            held.page->setEnabled(true);
            if (held.focus && !held.page->focusWidget() && held.focus->isVisible() && held.focus->isEnabled())
                held.focus->setFocus(Qt::OtherFocusReason);
        }
    }
    heldPages.clear();
    // Queued: the job's page may be releasing from inside its own handler
    // (or its destructor), and a page destroyed first drops its call.
    std::vector<QPointer<ScrollPage>> closing;
    closing.swap(closesAfterHold);
    for (const QPointer<ScrollPage>& page : closing) {
        if (page)
            QMetaObject::invokeMethod(page, &QWidget::close, Qt::QueuedConnection);
    }
    std::vector<QString> waiting;
    waiting.swap(opensAfterHold);
    for (const QString& name : waiting)
        openNamed(name);
}

bool PageRegistry::eventFilter(QObject* watched, QEvent* event)
{
    if (holding && event->type() == QEvent::Close) {
        if (auto* page = qobject_cast<ScrollPage*>(watched))
            closeWhenReleased(page);
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PageRegistry::closeWhenReleased(ScrollPage* page)
{
    if (std::find(closesAfterHold.begin(), closesAfterHold.end(), page) == closesAfterHold.end())
        closesAfterHold.emplace_back(page);
    if (stopJob)
        stopJob();
}

void PageRegistry::activate(ScrollPage* page)
{
    if (keepKeyboard && active && active != page) {
        // Not merely activated again afterwards: on X a new window asked to
        // be active takes the keyboard once the window system maps it, after
        // the page that opened it has taken the keyboard back.
        page->setAttribute(Qt::WA_ShowWithoutActivating);
        page->show();
        page->raise();
        page->setAttribute(Qt::WA_ShowWithoutActivating, false);
        if (!holding)
            page->activationStep();
        return;
    }
    page->show();
    page->raise();
    focusPending = page;
    page->activateWindow();
    makeActive(page);
}

void PageRegistry::makeActive(ScrollPage* page)
{
    if (page == active)
        return;
    active = page;
    // The active page goes to the front of the order.
    auto it = std::find_if(pages.begin(), pages.end(), [page](const OpenPage& open) { return open.page == page; });
    if (it != pages.end())
        std::rotate(it, it + 1, pages.end());
    if (!holding || page == holder)
        page->activationStep();
}

void PageRegistry::pageClosed(ScrollPage* page)
{
    auto it = std::find_if(pages.begin(), pages.end(), [page](const OpenPage& open) { return open.page == page; });
    if (it == pages.end())
        return;
    disconnect(page, nullptr, this, nullptr);
    pages.erase(it);
    if (page == active)
        active = nullptr;
    if (closeLoneCompanions())
        return;
    if (pages.empty()) {
        emit finished();
        return;
    }
    // The page behind the one that closed becomes active again.
    if (!active) {
        if (ScrollPage* behind = pages.back().page)
            activate(behind);
    }
}

bool PageRegistry::closeLoneCompanions()
{
    std::vector<QPointer<ScrollPage>> lone;
    for (const OpenPage& open : pages) {
        if (std::find(companions.begin(), companions.end(), open.name) == companions.end())
            return false;
        lone.emplace_back(open.page);
    }
    if (lone.empty())
        return false;
    // Each close comes back through pageClosed; the last one finishes.
    for (const QPointer<ScrollPage>& companion : lone) {
        if (companion)
            companion->close();
    }
    return true;
}

void PageRegistry::pageDestroyed(QObject* object)
{
    // A page deleted without being closed (for example by its owner).
    // By now the page's QPointer reads null.
    auto it = std::find_if(pages.begin(), pages.end(), [](const OpenPage& open) { return open.page.isNull(); });
    if (it == pages.end())
        return;
    if (active == static_cast<void*>(object))
        active = nullptr;
    pages.erase(it);
    if (pages.empty() && !exiting)
        emit finished();
}

void PageRegistry::ensureFocusTracking()
{
    if (trackingFocus || !qGuiApp)
        return;
    trackingFocus = true;
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &PageRegistry::focusWindowChanged);
}

void PageRegistry::focusWindowChanged(QWindow* window)
{
    // Only a switch to another page is an activation; a message box over the
    // active page, and the return from it, are not.
    if (!window || exiting)
        return;
    for (const OpenPage& open : pages) {
        if (open.page && open.page->windowHandle() == window) {
            if (focusPending && focusPending != open.page)
                return;
            focusPending = nullptr;
            makeActive(open.page);
            return;
        }
    }
}

}  // namespace vantorelle
