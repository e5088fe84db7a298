// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's bundled resources: pictures under ":/images/", data files
// under ":/data/", the strings table ":/strings/Localizable.strings".
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

namespace platform {

// The picture ":/images/" + name, decoded once and then served from a cache.
// A name without extension also finds name + ".png". Null image when missing.
QImage imageNamed(const QString& name);

// The picture ":/images/" + name read afresh on every call (no cache); an
// absolute file path or a ":/" path is read as it is. Null image when missing.
QImage imageWithContentsOfFile(const QString& name);

// Path of the resource name (+ "." + type when type is given), looked up in
// ":/data/" and then ":/images/"; empty when there is no such resource.
QString pathForResource(const QString& name, const QString& type = {});

// The text of key from the strings table; a missing key gives value when value
// is not empty, else the key itself. That English text is then shown in the
// session's language when a translation of it (context "Localizable", the key
// as its disambiguation) is installed.
QString localizedString(const QString& key, const QString& value = {});

// Parses a strings table: lines `"key" = "value";` with /* */ and // comments,
// escapes \" \\ \n \t \r and \Uxxxx, `"key";` meaning key = key. UTF-8, or UTF-16
// with a byte-order mark. On a syntax error returns the entries before it and,
// when error is given, says where.
QHash<QString, QString> parseStringsTable(const QByteArray& text, QString* error = nullptr);

// Where the resources are looked up: ":" (the compiled-in resources) by default.
// Tests point it at a folder holding images/, data/ and strings/. Clears the
// picture cache and the strings table.
void setResourceRoot(const QString& root);
QString resourceRoot();

}  // namespace platform
