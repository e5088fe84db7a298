// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <optional>

#include "platform/Log.h"

namespace platform {
namespace {

struct ResourceState {
  QString root = QStringLiteral(":");
  QHash<QString, QImage> images;
  std::optional<QHash<QString, QString>> strings;
};

ResourceState& state() {
  static ResourceState s;
  return s;
}

QString folder(const char* sub) {
  return state().root + QLatin1Char('/') + QLatin1String(sub) + QLatin1Char('/');
}

// A name must stay inside its folder: no parent steps, no absolute paths.
bool isPlainName(const QString& name) {
  return !name.isEmpty() && !name.startsWith(QLatin1Char('/')) &&
         !name.split(QLatin1Char('/')).contains("..");
}

QImage readImage(const QString& path) {
  QImageReader reader(path);
  reader.setAutoTransform(false);
  return reader.read();
}

// The file of picture name, also trying name + ".png" for a name without extension.
QString imagePath(const QString& name) {
  if (!isPlainName(name)) return {};
  const QString path = folder("images") + name;
  if (QFileInfo(path).isFile()) return path;
  if (QFileInfo(name).suffix().isEmpty() && QFileInfo(path + ".png").isFile()) return path + ".png";
  return {};
}

const QHash<QString, QString>& stringsTable() {
  auto& s = state();
  if (!s.strings) {
    QFile file(s.root + QStringLiteral("/strings/Localizable.strings"));
    if (file.open(QIODevice::ReadOnly)) {
      QString error;
      s.strings = parseStringsTable(file.readAll(), &error);
      if (!error.isEmpty()) qCWarning(lcVorlane) << "Localizable.strings:" << error;
    } else {
      s.strings.emplace();
    }
  }
  return *s.strings;
}

class StringsParser {
 public:
  explicit StringsParser(const QString& text) : t_(text) {}

  QHash<QString, QString> run(QString* error) {
    QHash<QString, QString> table;
    while (true) {
      if (!skipSpace()) break;
      if (atEnd()) break;
      QString key, value;
      if (!token(&key)) break;
      if (!skipSpace()) break;
      if (peek() == QLatin1Char(';')) {
        ++i_;
        table.insert(key, key);
        continue;
      }
      if (peek() != QLatin1Char('=')) {
        fail(QStringLiteral("expected '=' or ';' after \"%1\"").arg(key));
        break;
      }
      ++i_;
      if (!skipSpace() || !token(&value) || !skipSpace()) break;
      if (peek() != QLatin1Char(';')) {
        fail(QStringLiteral("expected ';' after the value of \"%1\"").arg(key));
        break;
      }
      ++i_;
      table.insert(key, value);
    }
    if (error) *error = message_;
    return table;
  }

 private:
  bool atEnd() const { return i_ >= t_.size(); }
  QChar peek() const { return atEnd() ? QChar() : t_[i_]; }

  void fail(const QString& why) {
    if (!message_.isEmpty()) return;
    const int line =
        static_cast<int>(t_.left(std::min<qsizetype>(i_, t_.size())).count(QLatin1Char('\n'))) + 1;
    message_ = QStringLiteral("line %1: %2").arg(line).arg(why);
  }

  // Skips white space and comments; false on an unterminated comment.
  bool skipSpace() {
    while (!atEnd()) {
      const QChar c = t_[i_];
      if (c.isSpace()) {
        ++i_;
      } else if (c == QLatin1Char('/') && i_ + 1 < t_.size() && t_[i_ + 1] == QLatin1Char('*')) {
        const qsizetype end = t_.indexOf(QLatin1String("*/"), i_ + 2);
        if (end < 0) {
          fail(QStringLiteral("unterminated comment"));
          return false;
        }
        i_ = end + 2;
      } else if (c == QLatin1Char('/') && i_ + 1 < t_.size() && t_[i_ + 1] == QLatin1Char('/')) {
        const qsizetype end = t_.indexOf(QLatin1Char('\n'), i_);
        i_ = end < 0 ? t_.size() : end + 1;
      } else {
        break;
      }
    }
    return true;
  }

  static bool isBareChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.') || c == QLatin1Char('$') ||
           c == QLatin1Char(':') || c == QLatin1Char('/') || c == QLatin1Char('-');
  }

  // A quoted string, or an unquoted word of letters, digits and _.$:/-.
  bool token(QString* out) {
    if (atEnd()) {
      fail(QStringLiteral("unexpected end of the table"));
      return false;
    }
    if (peek() != QLatin1Char('"')) {
      const qsizetype start = i_;
      while (!atEnd() && isBareChar(peek())) ++i_;
      if (i_ == start) {
        fail(QStringLiteral("unexpected character '%1'").arg(peek()));
        return false;
      }
      *out = t_.mid(start, i_ - start);
      return true;
    }
    ++i_;
    QString s;
    while (!atEnd()) {
      const QChar c = t_[i_++];
      if (c == QLatin1Char('"')) {
        *out = s;
        return true;
      }
      if (c != QLatin1Char('\\')) {
        s += c;
        continue;
      }
      if (atEnd()) break;
      const QChar e = t_[i_++];
      switch (e.unicode()) {
        case 'n':
          s += QLatin1Char('\n');
          break;
        case 't':
          s += QLatin1Char('\t');
          break;
        case 'r':
          s += QLatin1Char('\r');
          break;
        case 'U':
        case 'u': {
          bool ok = false;
          const uint code = t_.mid(i_, 4).toUInt(&ok, 16);
          if (!ok || i_ + 4 > t_.size()) {
            fail(QStringLiteral("bad \\U escape"));
            return false;
          }
          s += QChar(static_cast<char16_t>(code));
          i_ += 4;
          break;
        }
        default:
          s += e;
          break;  // \" \\ \' and anything else: the character itself
      }
    }
    fail(QStringLiteral("unterminated string"));
    return false;
  }

  const QString t_;
  qsizetype i_ = 0;
  QString message_;
};

}  // namespace

QImage imageNamed(const QString& name) {
  auto& s = state();
  const auto hit = s.images.constFind(name);
  if (hit != s.images.constEnd()) return *hit;
  const QString path = imagePath(name);
  if (path.isEmpty()) return {};
  QImage image = readImage(path);
  // Misses are not cached: a picture that failed to decode is not worth keeping.
  if (!image.isNull()) s.images.insert(name, image);
  return image;
}

QImage imageWithContentsOfFile(const QString& name) {
  if (name.isEmpty()) return {};
  if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char(':'))) return readImage(name);
  const QString path = imagePath(name);
  return path.isEmpty() ? QImage() : readImage(path);
}

QString pathForResource(const QString& name, const QString& type) {
  const QString full = type.isEmpty() ? name : name + QLatin1Char('.') + type;
  if (!isPlainName(name) || full.endsWith(QLatin1Char('/'))) return {};
  for (const char* sub : {"data", "images"}) {
    const QString path = folder(sub) + full;
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

QString localizedString(const QString& key, const QString& value) {
  const auto& table = stringsTable();
  const auto hit = table.constFind(key);
  const QString english = hit != table.constEnd() ? *hit : value.isEmpty() ? key : value;
  // The session's language, when one is installed: the table's English text is
  // the source and its key tells apart texts that read the same.
  return QCoreApplication::translate("Localizable", english.toUtf8().constData(), key.toUtf8().constData());
}

QHash<QString, QString> parseStringsTable(const QByteArray& text, QString* error) {
  QString decoded;
  if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF")) {
    auto decoder =
        QStringDecoder(text.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                       QStringDecoder::Flag::Stateless);
    decoded = decoder(text.mid(2));
  } else {
    decoded = QString::fromUtf8(text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text);
  }
  return StringsParser(decoded).run(error);
}

void setResourceRoot(const QString& root) {
  auto& s = state();
  s.root = root.isEmpty() ? QStringLiteral(":") : root;
  while (s.root.size() > 1 && s.root.endsWith(QLatin1Char('/'))) s.root.chop(1);
  s.images.clear();
  s.strings.reset();
}

QString resourceRoot() {
  return state().root;
}

}  // namespace platform
