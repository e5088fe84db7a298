// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reader of XML property lists: dict -> QVariantMap, array -> QVariantList,
// string -> QString, integer -> qlonglong, real -> double, true/false -> bool,
// data -> QByteArray, date -> QDateTime (UTC).
#include <QByteArray>
#include <QString>
#include <QVariant>

namespace platform {

// Reads the property list in the file at path (a ":/" resource path works too).
// On failure returns an invalid QVariant and, when error is given, says why.
QVariant readPropertyList(const QString& path, QString* error = nullptr);

// The same, on the text of a property list.
QVariant parsePropertyList(const QByteArray& xml, QString* error = nullptr);

}  // namespace platform
