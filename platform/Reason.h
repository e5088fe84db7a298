// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reason kept in a constant, translated where it is used: a QString constant
// is made before any translator is installed and would stay English.
#include <QCoreApplication>
#include <QString>

namespace platform {

struct Reason {
  // Both, always: as marked for lupdate, QT_TRANSLATE_NOOP(context, source).
  constexpr Reason(const char* context, const char* source) : context(context), source(source) {}
  operator QString() const { return QCoreApplication::translate(context, source); }
  const char* context;
  const char* source;
};

}  // namespace platform
