// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabWalk.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <map>

namespace vantorelle::testing {

namespace {

// Options that exclude each other: Tab stops at one of them only.
bool IsGroupedOption(const QWidget* control)
{
    const auto* option = qobject_cast<const QRadioButton*>(control);
    return option && option->autoExclusive() && option->isCheckable();
}

QString NameOf(const QWidget* control)
{
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

bool SameRow(const QRect& a, const QRect& b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return 2 * overlap >= std::min(a.height(), b.height());
}

template <typename T, typename AreaOf>
std::vector<T> RowByRow(std::vector<T> items, AreaOf area)
{
    std::stable_sort(items.begin(), items.end(), [&](const T& a, const T& b) {
        return std::pair(area(a).top(), area(a).left()) < std::pair(area(b).top(), area(b).left());
    });
    std::vector<std::vector<T>> rows;
    for (T& item : items) {
        if (!rows.empty() && SameRow(area(rows.back().front()), area(item)))
            rows.back().push_back(std::move(item));
        else
            rows.push_back({std::move(item)});
    }
    std::vector<T> ordered;
    for (std::vector<T>& row : rows) {
        std::stable_sort(row.begin(), row.end(), [&](const T& a, const T& b) {
            return std::pair(area(a).left(), area(a).top()) < std::pair(area(b).left(), area(b).top());
        });
        for (T& item : row)
            ordered.push_back(std::move(item));
    }
    return ordered;
}

// A stop on its own, or a unit with the stops inside it.
struct Block {
    QRect area;
    std::vector<TabStop> stops;
};

// The control of a stop that Tab lands on: in a group of options the one
// that still takes Tab (the checked one, once the group has had the focus).
QWidget* Landing(const TabStop& stop)
{
    for (const QWidget* control : stop.controls) {
        if ((control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            return const_cast<QWidget*>(control);
    }
    return const_cast<QWidget*>(stop.controls.front());
}

QString StopReached(const std::vector<TabStop>& order, const QWidget* page)
{
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != page->window())
        return {};
    for (const TabStop& stop : order) {
        if (std::find(stop.controls.begin(), stop.controls.end(), focus) != stop.controls.end())
            return stop.name;
    }
    return NameOf(focus);
}

}  // namespace

std::vector<TabStop> TabStops(const QWidget* page)
{
    std::vector<TabStop> stops;
    std::map<const QWidget*, std::size_t> optionGroups;  // the options' parent, its stop
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        // A control with a focus proxy hands the focus on; the proxy is the stop.
        if (control->isWindow() || !control->isVisibleTo(page) || !control->isEnabled() || control->focusProxy())
            continue;
        const QRect area(control->mapTo(page, QPoint(0, 0)), control->size());
        if (IsGroupedOption(control)) {
            const auto [group, first] = optionGroups.try_emplace(control->parentWidget(), stops.size());
            if (first) {
                stops.push_back({NameOf(control), area, {control}});
            } else {
                stops[group->second].area |= area;
                stops[group->second].controls.push_back(control);
            }
        } else if ((control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            stops.push_back({NameOf(control), area, {control}});
        }
    }
    return stops;
}

std::vector<TabStop> InReadingOrder(std::vector<TabStop> stops, const QWidget* page,
                                    const std::vector<ReadingUnit>& units, QString* problem)
{
    std::vector<Block> blocks;
    for (const ReadingUnit& unit : units) {
        QRect span;
        for (const char* name : unit.spannedBy) {
            const auto* control = page->findChild<const QWidget*>(QString::fromLatin1(name));
            if (!control) {
                *problem = QStringLiteral("no control %1 to span a unit").arg(QString::fromLatin1(name));
                return {};
            }
            span |= QRect(control->mapTo(page, QPoint(0, 0)), control->size());
        }
        blocks.push_back({span, {}});
    }
    const std::size_t unitCount = blocks.size();
    for (TabStop& stop : stops) {
        const auto unit = std::find_if(blocks.begin(), blocks.begin() + static_cast<long>(unitCount),
                                       [&](const Block& block) { return block.area.contains(stop.area.center()); });
        if (unit != blocks.begin() + static_cast<long>(unitCount))
            unit->stops.push_back(std::move(stop));
        else
            blocks.push_back({stop.area, {std::move(stop)}});
    }
    std::erase_if(blocks, [](const Block& block) { return block.stops.empty(); });

    std::vector<TabStop> ordered;
    for (Block& block : RowByRow(std::move(blocks), [](const Block& block) { return block.area; })) {
        for (TabStop& stop : RowByRow(std::move(block.stops), [](const TabStop& stop) { return stop.area; }))
            ordered.push_back(std::move(stop));
    }
    return ordered;
}

std::vector<QString> WalkTab(QWidget* page, const std::vector<TabStop>& order, bool forward)
{
    std::vector<QString> reached;
    if (order.empty())
        return reached;
    QWidget* start = Landing(order.front());
    start->setFocus(Qt::TabFocusReason);
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == start; }, 120000))
        return {QStringLiteral("(the focus could not be put on %1)").arg(order.front().name)};
    const Qt::KeyboardModifiers shift = forward ? Qt::NoModifier : Qt::ShiftModifier;
    for (std::size_t i = 0; i < order.size(); ++i) {
        // Through the window, as a key from the keyboard comes: to the focused control first.
        QTest::keyClick(page->window()->windowHandle(), Qt::Key_Tab, shift);
        reached.push_back(StopReached(order, page));
    }
    return reached;
}

}  // namespace vantorelle::testing
