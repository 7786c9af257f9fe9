// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Single-instance pages. Each page is defined once by name with a factory;
// open() creates it (its constructor is its load step) when it does not exist,
// otherwise shows and raises the one that does. A closed page is destroyed, so
// the next open() starts it afresh. No page is modal. A new page gets the help
// texts on its controls (ControlHelp.h) and Shift+F1 for them.
//
// The page that becomes active runs its activation step: when it is first
// shown, when the user switches to it from another page, and when the page on
// top of it closes. Message boxes over a page do not count as a change of page.
//
// finished() is emitted when the last page has closed or exitProgram() ran;
// the program connects it to QCoreApplication::quit. A companion page (a view
// that only shows what the pages do) never keeps the program going on its
// own: when the last other page closes, the companions close with it.
//
// While a long job works on the network state (a training run, an export),
// its page holds the others: they take no input and skip their activation
// steps, so nothing reads the state the job is changing. A page asked for
// meanwhile opens once the job has ended.
//
// One rule for closing a window during a job, whichever page it is (the
// job's own page too): the close request asks the job to end early (a run
// stops after its current epoch, as its Stop button would; a job with no
// stop runs to its end), the window stays open and live meanwhile, and it
// closes as soon as the job has ended. No close request is dropped.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QWindow;

namespace vantorelle {

class ScrollPage;

// A page's name. It is never made from a string in passing: the program's
// pages take theirs from the list in PageNames.h, so a misspelt name does not
// compile instead of opening nothing.
class PageName {
public:
    explicit constexpr PageName(const char* name) : name(name) {}
    QString toString() const { return QString::fromLatin1(name); }
    const char* c_str() const { return name; }

private:
    const char* name;
};

class PageRegistry : public QObject {
    Q_OBJECT

public:
    // A factory hands over a new page; the registry owns it until the page closes.
    using Factory = std::function<std::unique_ptr<ScrollPage>()>;

    PageRegistry() = default;
    ~PageRegistry() override;

    enum class Role { Page, Companion };

    // Defines (or redefines) how the page called name is created.
    void define(PageName name, Factory factory, Role role = Role::Page);
    bool isDefined(PageName name) const;

    // Creates and shows the page if it does not exist, else shows and raises
    // it; either way it becomes the active page. Null if name is not defined.
    ScrollPage* open(PageName name);
    // As open(), but the page comes up beside the active page without taking
    // the keyboard from it: a lesson opens the pages it works on this way,
    // and the student goes on typing in the lesson.
    ScrollPage* openBeside(PageName name);

    // The open page called name, or null.
    ScrollPage* find(PageName name) const;
    // The names of the open pages, from the one furthest behind to the active one.
    std::vector<QString> openPages() const;
    ScrollPage* activePage() const { return active; }
    // The page a message box belongs to: the page whose job holds the others
    // (no other page takes input meanwhile), else the active page.
    ScrollPage* pageInCharge() const;

    // "Exit": every page closes at once, nothing is asked, finished() follows.
    void exitProgram();

    // Holds every open page but owner until releasePages(); see above.
    // stopJob asks the job to end early; a job without one runs to its end.
    void holdPagesFor(ScrollPage* owner, std::function<void()> stopJob = {});
    // Ends the hold: the held pages take input again, the pages whose close
    // was asked for meanwhile close, and the pages asked for open.
    void releasePages();
    bool pagesHeld() const { return holding; }

signals:
    void finished();
    // A job is about to start on owner's behalf (a view of the network looks
    // for the owner's run here, to follow it).
    void holdStarted(ScrollPage* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct OpenPage {
        QString name;
        QPointer<ScrollPage> page;
    };

    void activate(ScrollPage* page);
    void makeActive(ScrollPage* page);
    void pageClosed(ScrollPage* page);
    void pageDestroyed(QObject* page);
    void focusWindowChanged(QWindow* window);
    void ensureFocusTracking();
    // Closes the open pages when all of them are companions; true if it did.
    bool closeLoneCompanions();
    void closeWhenReleased(ScrollPage* page);
    ScrollPage* openNamed(const QString& name);
    ScrollPage* findNamed(const QString& name) const;

    std::map<QString, Factory> factories;
    std::vector<QString> companions;
    std::vector<OpenPage> pages;  // back to front: the last one is on top
    ScrollPage* active = nullptr;
    // The page the registry last asked the window system to activate, until
    // the focus gets there: focus changes still on their way from earlier
    // requests are not the user switching pages.
    QPointer<ScrollPage> focusPending;
    bool trackingFocus = false;
    bool exiting = false;
    bool holding = false;
    bool keepKeyboard = false;  // within openBeside()
    QPointer<ScrollPage> holder;
    std::function<void()> stopJob;
    struct HeldPage {
        QPointer<ScrollPage> page;
        QPointer<QWidget> focus;  // where its keyboard focus was, to put back
    };
    std::vector<HeldPage> heldPages;
    std::vector<QString> opensAfterHold;  // pages asked for while held
    std::vector<QPointer<ScrollPage>> closesAfterHold;  // pages whose close was asked for while held
};

}  // namespace vantorelle
