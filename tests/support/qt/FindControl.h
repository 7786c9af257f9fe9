// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds a window's control by its object name, as the tests of any window
// drive it. A missing control fails the test where it was looked for, not
// later where a null pointer would crash the whole program.

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

namespace qt_testing {

template <typename T>
T* FindControl(const QWidget* window, const QString& name)
{
    T* found = window ? window->findChild<T*>(name) : nullptr;
    if (!found)
        ADD_FAILURE() << "no control named " << name.toStdString();
    return found;
}

template <typename T>
T* FindControl(const QWidget* window, const char* name)
{
    return FindControl<T>(window, QString::fromLatin1(name));
}

}  // namespace qt_testing
