// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ZoomBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace desktop {

namespace {

// Round percentages, each about a third or a half more than the one before.
constexpr std::array<double, 18> kSteps{10,  15,  20,  25,  33,  50,   67,   100,  150,
                                        200, 300, 400, 600, 800, 1200, 1600, 2400, 3200};
// The box shows whole percentages: a zoom this close to a step is on it.
constexpr double kOnStep = 0.5;
const QString kFit = QStringLiteral("Fit");  // also understood in every language

}  // namespace

double zoomStep(double percent, int direction, double least, double most) {
  double next = direction > 0 ? most : least;
  if (direction > 0) {
    const auto it =
        std::find_if(kSteps.begin(), kSteps.end(), [&](double s) { return s > percent + kOnStep; });
    if (it != kSteps.end()) next = *it;
  } else {
    const auto it =
        std::find_if(kSteps.rbegin(), kSteps.rend(), [&](double s) { return s < percent - kOnStep; });
    if (it != kSteps.rend()) next = *it;
  }
  return std::clamp(next, least, std::max(least, most));
}

QString zoomText(double percent) {
  // Below 10 % a whole number says too little.
  if (percent < 9.95) return QStringLiteral("%1 %").arg(percent, 0, 'f', 1);
  return QStringLiteral("%1 %").arg(qRound(percent));
}

std::optional<double> parseZoom(const QString& text) {
  QString number = text.trimmed();
  if (number.endsWith(QLatin1Char('%'))) number = number.chopped(1).trimmed();
  bool ok = false;
  double value = QLocale::c().toDouble(number, &ok);
  if (!ok) value = QLocale::system().toDouble(number, &ok);
  if (!ok || !std::isfinite(value) || value <= 0.0) return std::nullopt;
  return value;
}

ZoomBox::ZoomBox(QWidget* parent) : QComboBox(parent) {
  setObjectName(QStringLiteral("zoomBox"));
  setEditable(true);
  // Typed values are applied, never added to the list; no completion, which
  // would turn "15" into "150 %".
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setMinimumContentsLength(7);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setToolTip(tr("Zoom: type a percentage and press Return, or choose one"));
  //: The zoom box's choice that fits the picture to the window.
  addItem(tr("Fit"));
  for (double preset : {25, 33, 50, 67, 100, 150, 200, 300, 400, 600, 800}) addItem(zoomText(preset));
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (index == 0)
      emit fitChosen();
    else
      apply(itemText(index));
  });
  showZoom(std::nullopt);
}

void ZoomBox::showZoom(std::optional<double> percent) {
  current_ = percent ? zoomText(*percent) : QString();
  setEnabled(percent.has_value());
  // What the user is typing stays until Return, Escape or leaving the box.
  if (!lineEdit()->isModified()) showCurrent();
}

void ZoomBox::showCurrent() {
  // The list's current row follows the zoom, so that leaving the box never
  // "activates" a preset that merely matches the text.
  const int row = findText(current_, Qt::MatchFixedString);
  if (row >= 0) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(row);
  }
  lineEdit()->setText(current_);
}

void ZoomBox::apply(const QString& text) {
  const QString typed = text.trimmed();
  if (typed.compare(kFit, Qt::CaseInsensitive) == 0 || typed.compare(itemText(0), Qt::CaseInsensitive) == 0) {
    emit fitChosen();
  } else if (const auto percent = parseZoom(text)) {
    emit zoomChosen(*percent);
  } else {
    // Refused: the zoom in force again, selected for another try.
    showCurrent();
    lineEdit()->selectAll();
    return;
  }
  // The zoom applied (or held at a limit) is what shows.
  showCurrent();
  backToCanvas();
}

void ZoomBox::backToCanvas() {
  if (canvas_ && canvas_->isEnabled()) canvas_->setFocus(Qt::OtherFocusReason);
}

void ZoomBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      apply(lineEdit()->text());
      event->accept();
      return;
    case Qt::Key_Escape:
      showCurrent();
      backToCanvas();
      event->accept();
      return;
    default:
      QComboBox::keyPressEvent(event);
  }
}

void ZoomBox::focusOutEvent(QFocusEvent* event) {
  // Left without Return: nothing typed is applied.
  if (event->reason() != Qt::PopupFocusReason) showCurrent();
  QComboBox::focusOutEvent(event);
}

void ZoomBox::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

}  // namespace desktop
