// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A double-click on a list's item as a user makes it, for the tests of any
// window with a QListWidget.

#include <QListWidget>
#include <QTest>

namespace qt_testing {

// QTest's double-click sends no press of its own, and a real one always
// follows a click: the click comes first. The item must be in a list.
inline void DoubleClickItem(QListWidgetItem& item)
{
    QListWidget* list = item.listWidget();
    list->scrollToItem(&item);
    const QPoint centre = list->visualItemRect(&item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

}  // namespace qt_testing
