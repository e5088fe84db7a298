// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QXmlStreamReader>

namespace platform {
namespace {

// Deeper nesting than any real list: refuse it rather than exhaust the stack.
constexpr int kMaxDepth = 256;

class Parser {
 public:
  explicit Parser(const QByteArray& xml) : raw_(xml), xml_(xml) {}

  QVariant run(QString* error) {
    QVariant result;
    if (raw_.trimmed().isEmpty()) {
      fail(QStringLiteral("the property list is empty"));
    } else if (raw_.startsWith("bplist")) {
      fail(QStringLiteral("binary property lists are not supported"));
    } else if (!xml_.readNextStartElement()) {
      fail(QStringLiteral("no root element"));
    } else if (xml_.name() != QLatin1String("plist")) {
      fail(QStringLiteral("the root element is <%1>, not <plist>").arg(xml_.name()));
    } else if (!xml_.readNextStartElement()) {
      fail(QStringLiteral("<plist> holds no value"));
    } else {
      result = value(0);
      // Exactly one value inside <plist>, nothing after </plist>.
      if (!failed() && xml_.readNextStartElement()) fail(QStringLiteral("<plist> holds more than one value"));
      if (!failed()) {
        while (!xml_.atEnd()) {
          if (xml_.readNext() == QXmlStreamReader::StartElement)
            fail(QStringLiteral("content after </plist>"));
        }
      }
      if (!failed() && xml_.hasError()) fail(xml_.errorString());
    }
    if (failed()) {
      if (error) *error = message_;
      return {};
    }
    if (error) error->clear();
    return result;
  }

 private:
  bool failed() const { return !message_.isEmpty(); }

  void fail(const QString& why) {
    if (failed()) return;
    // A reader error (malformed XML) says more than what we tripped over.
    const QString what = xml_.hasError() ? xml_.errorString() : why;
    message_ = xml_.lineNumber() > 0 ? QStringLiteral("line %1: %2").arg(xml_.lineNumber()).arg(what) : what;
  }

  // Reads the value whose start element is current; leaves the reader on its end.
  QVariant value(int depth) {
    if (depth > kMaxDepth) {
      fail(QStringLiteral("nesting deeper than %1 levels").arg(kMaxDepth));
      return {};
    }
    const QString tag = xml_.name().toString();
    if (tag == QLatin1String("dict")) return dict(depth);
    if (tag == QLatin1String("array")) return array(depth);
    if (tag == QLatin1String("true") || tag == QLatin1String("false")) {
      const bool flag = tag == QLatin1String("true");
      if (xml_.readNextStartElement()) fail(QStringLiteral("<%1/> must be empty").arg(tag));
      return flag;
    }
    if (tag == QLatin1String("key")) {
      fail(QStringLiteral("<key> outside a <dict>"));
      return {};
    }
    if (tag != QLatin1String("string") && tag != QLatin1String("integer") && tag != QLatin1String("real") &&
        tag != QLatin1String("data") && tag != QLatin1String("date")) {
      fail(QStringLiteral("unknown element <%1>").arg(tag));
      return {};
    }
    const QString text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (xml_.hasError()) {
      fail(QStringLiteral("<%1> holds an element").arg(tag));
      return {};
    }
    if (tag == QLatin1String("string")) return text;
    const QString trimmed = text.trimmed();
    bool ok = false;
    if (tag == QLatin1String("integer")) {
      const qlonglong number = trimmed.toLongLong(&ok, trimmed.startsWith(QLatin1String("0x")) ? 16 : 10);
      if (!ok) fail(QStringLiteral("<integer> \"%1\" is not a whole number").arg(trimmed));
      return number;
    }
    if (tag == QLatin1String("real")) {
      const double number = trimmed.toDouble(&ok);
      if (!ok) fail(QStringLiteral("<real> \"%1\" is not a number").arg(trimmed));
      return number;
    }
    if (tag == QLatin1String("data")) {
      QByteArray compact = trimmed.toLatin1();
      compact.replace(' ', "").replace('\n', "").replace('\r', "").replace('\t', "");
      auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
      if (!decoded) fail(QStringLiteral("<data> is not base64"));
      return decoded.decoded;
    }
    // date: ISO 8601 in UTC, e.g. 2013-05-01T12:00:00Z.
    QDateTime date = QDateTime::fromString(trimmed, Qt::ISODate);
    if (!date.isValid()) {
      fail(QStringLiteral("<date> \"%1\" is not an ISO 8601 date").arg(trimmed));
      return {};
    }
    return date.toUTC();
  }

  QVariant dict(int depth) {
    QVariantMap map;
    while (!failed() && xml_.readNextStartElement()) {
      if (xml_.name() != QLatin1String("key")) {
        fail(QStringLiteral("<dict> expects <key>, found <%1>").arg(xml_.name()));
        break;
      }
      const QString key = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
      if (xml_.hasError()) break;
      if (!xml_.readNextStartElement()) {
        fail(QStringLiteral("<key>%1</key> has no value").arg(key));
        break;
      }
      QVariant item = value(depth + 1);
      if (failed()) break;
      map.insert(key, item);
    }
    if (xml_.hasError()) fail(xml_.errorString());
    return map;
  }

  QVariant array(int depth) {
    QVariantList list;
    while (!failed() && xml_.readNextStartElement()) {
      QVariant item = value(depth + 1);
      if (failed()) break;
      list.append(item);
    }
    if (xml_.hasError()) fail(xml_.errorString());
    return list;
  }

  const QByteArray& raw_;
  QXmlStreamReader xml_;
  QString message_;
};

}  // namespace

QVariant parsePropertyList(const QByteArray& xml, QString* error) {
  return Parser(xml).run(error);
}

QVariant readPropertyList(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
    return {};
  }
  QString why;
  QVariant result = parsePropertyList(file.readAll(), &why);
  if (error) *error = why.isEmpty() ? QString() : path + QStringLiteral(": ") + why;
  return result;
}

}  // namespace platform
