// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets googletest print a QString as its text in a failure message, instead
// of the bytes of each character. It must stand in Qt's own namespace (the
// global one unless Qt was built with another): googletest finds a PrintTo
// only by argument-dependent lookup, so one declared in a test's namespace is
// never used.

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE
