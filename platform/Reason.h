// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reason kept in a constant, translated where it is used: a QString constant
// is made before any translator is installed and would stay English.
#include <QCoreApplication>
#include <QString>

namespace platform {

struct Reason {
  const char* source;  // marked for lupdate in the context "platform"
  operator QString() const { return QCoreApplication::translate("platform", source); }
};

}  // namespace platform
