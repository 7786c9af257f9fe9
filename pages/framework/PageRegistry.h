#pragma once
// Single-instance pages. Each page is defined once by name with a factory;
// open() creates it (its constructor is its load step) when it does not exist,
// otherwise shows and raises the one that does. A closed page is destroyed, so
// the next open() starts it afresh. No page is modal.
//
// The page that becomes active runs its activation step: when it is first
// shown, when the user switches to it from another page, and when the page on
// top of it closes. Message boxes over a page do not count as a change of page.
//
// finished() is emitted when the last page has closed or exitProgram() ran;
// the program connects it to QCoreApplication::quit.

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

class PageRegistry : public QObject {
    Q_OBJECT

public:
    // A factory hands over a new page; the registry owns it until the page closes.
    using Factory = std::function<std::unique_ptr<ScrollPage>()>;

    PageRegistry() = default;
    ~PageRegistry() override;

    // Defines (or redefines) how the page called name is created.
    void define(const QString& name, Factory factory);
    bool isDefined(const QString& name) const;

    // Creates and shows the page if it does not exist, else shows and raises
    // it; either way it becomes the active page. Null if name is not defined.
    ScrollPage* open(const QString& name);

    // The open page called name, or null.
    ScrollPage* find(const QString& name) const;
    // The names of the open pages, from the one furthest behind to the active one.
    std::vector<QString> openPages() const;
    ScrollPage* activePage() const { return active; }

    // "Exit": every page closes at once, nothing is asked, finished() follows.
    void exitProgram();

signals:
    void finished();

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

    std::map<QString, Factory> factories;
    std::vector<OpenPage> pages;  // back to front: the last one is on top
    ScrollPage* active = nullptr;
    // The page the registry last asked the window system to activate, until
    // the focus gets there: focus changes still on their way from earlier
    // requests are not the user switching pages.
    QPointer<ScrollPage> focusPending;
    bool trackingFocus = false;
    bool exiting = false;
};

}  // namespace vantorelle
