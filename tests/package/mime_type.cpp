// SPDX-License-Identifier: GPL-3.0-or-later
// package_mime_type FILE...: prints the MIME type the desktop's database gives
// each file, one a line, with its comment and icon names, as a Qt desktop (and
// Qt's file dialogs) sees them. The database is read from XDG_DATA_DIRS, so the
// package test points it into its throwaway root. With --content the name is
// ignored: the type comes from the bytes alone.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  QMimeDatabase::MatchMode mode = QMimeDatabase::MatchDefault;
  if (!args.isEmpty() && args.first() == "--content") {
    mode = QMimeDatabase::MatchContent;
    args.removeFirst();
  }
  if (args.isEmpty()) {
    QTextStream(stderr) << "usage: package_mime_type [--content] FILE...\n";
    return 2;
  }
  QTextStream out(stdout);
  const QMimeDatabase db;
  for (const QString& path : args) {
    const QMimeType type = db.mimeTypeForFile(path, mode);
    out << type.name() << '\t' << type.comment() << '\t' << type.iconName() << '\t'
        << type.genericIconName() << '\t' << type.parentMimeTypes().join(',') << '\n';
  }
  return 0;
}
