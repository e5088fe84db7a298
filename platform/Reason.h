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

// The one wording of these reasons, for every folder that gives them.
//: Why a photo, a painting or a file could not be read, rendered or written.
inline constexpr Reason kNoMemory{"platform", QT_TRANSLATE_NOOP("platform", "memory ran out")};

// Why a file cannot be written: why is the system's or a library's own reason.
inline QString cannotBeWritten(const QString& why) {
  //: Why a file cannot be saved; %1 is the system's or a library's reason.
  return QCoreApplication::translate("platform", "it cannot be written (%1)").arg(why);
}

}  // namespace platform
