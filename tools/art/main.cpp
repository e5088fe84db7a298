// SPDX-License-Identifier: GPL-3.0-or-later
// vorlane-art OUTDIR [ICONDIR]: draws every picture the application ships into
// OUTDIR, and the desktop icon's other sizes into ICONDIR.
#include <QGuiApplication>
#include <QTextStream>

#include "tools/art/Art.h"

int main(int argc, char** argv) {
  // Drawing needs no display; the offscreen platform keeps this runnable anywhere.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr), out(stdout);
  const QStringList args = app.arguments();
  if (args.size() != 2 && args.size() != 3) {
    err << "usage: vorlane-art OUTDIR [ICONDIR]\n";
    return 2;
  }
  QStringList written;
  QString error;
  if (!art::generateAll(args.at(1), &written, &error) ||
      (args.size() == 3 && !art::generateIcons(args.at(2), &written, &error))) {
    err << "vorlane-art: " << error << "\n";
    return 1;
  }
  for (const QString& path : written) out << path << "\n";
  return 0;
}
