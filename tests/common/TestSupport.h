// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the test executables.
#include <QFont>
#include <QImage>
#include <QString>
#include <ostream>

// Qt strings in failure messages as their text, not as raw bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"' << bytes.toStdString() << '"';
}

namespace vorlane_test {

// The temporary home of this test process (HOME and the XDG folders live in it).
QString testRoot();
void setTestRoot(const QString& root);

// text drawn on one line in font as a label of size frame draws it (placed by
// the horizontal part of alignment, moved right by inset, centred vertically),
// but without clipping: the label's own pixels, and the summed alpha of the ink
// falling outside it.
struct FramedText {
  QImage inside;
  long long outsideAlpha = 0;
};
FramedText drawTextUnclipped(const QFont& font, const QString& text, QSize frame, Qt::Alignment alignment,
                             qreal inset = 0);

}  // namespace vorlane_test
