// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ExportDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "document/PaintingFlatten.h"
#include "document/Timelapse.h"
#include "document/TimelapsePlan.h"
#include "platform/PhotoDecoder.h"

namespace desktop {

namespace {

QString sizeText(QSize size) {
  return QStringLiteral("%1 \u00d7 %2").arg(size.width()).arg(size.height());
}

QDialogButtonBox* okCancel(QDialog* dialog, const QString& ok) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

ExportPictureDialog::ExportPictureDialog(QWidget* parent, QSize working, QSize photo, bool jpeg, int size,
                                         int quality)
    : QDialog(parent), working_(working), photo_(photo.isEmpty() ? working : photo), jpeg_(jpeg) {
  setObjectName(QStringLiteral("exportOptions"));
  setWindowTitle(tr("Export Picture"));
  const QSize full = platform::exportSize(photo_, document::kFullPictureSize);
  const int smallest = 256;
  const int largest = std::max({smallest, full.width(), full.height()});

  workingSize_ = new QRadioButton(//: %1 is a size in pixels, "1280 × 960".
      tr("&Working size (%1)").arg(sizeText(working_)), this);
  workingSize_->setObjectName(QStringLiteral("sizeWorking"));
  fullSize_ = new QRadioButton(tr("The &photo's own size (%1)").arg(sizeText(full)), this);
  fullSize_->setObjectName(QStringLiteral("sizeFull"));
  longerSize_ = new QRadioButton(tr("&Longer side:"), this);
  longerSize_->setObjectName(QStringLiteral("sizeLonger"));
  longerSide_ = new QSpinBox(this);
  longerSide_->setObjectName(QStringLiteral("longerSide"));
  longerSide_->setRange(smallest, largest);
  longerSide_->setSuffix(tr(" px"));
  longerSide_->setValue(size > 0 ? std::clamp(size, smallest, largest) : std::max(working_.width(), working_.height()));

  quality_ = new QSpinBox(this);
  quality_->setObjectName(QStringLiteral("jpegQuality"));
  quality_->setRange(1, 100);
  quality_->setValue(std::clamp(quality, 1, 100));
  quality_->setToolTip(tr("Higher keeps more detail in a larger file"));
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("exportResult"));

  auto* sizes = new QGridLayout;
  sizes->addWidget(workingSize_, 0, 0, 1, 2);
  sizes->addWidget(fullSize_, 1, 0, 1, 2);
  sizes->addWidget(longerSize_, 2, 0);
  sizes->addWidget(longerSide_, 2, 1);
  auto* form = new QFormLayout;
  if (jpeg_) form->addRow(tr("JPEG &quality:"), quality_);
  quality_->setVisible(jpeg_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sizes);
  layout->addLayout(form);
  layout->addWidget(result_);
  layout->addWidget(okCancel(this, tr("Export")));

  // A photo smaller than the smallest longer side offered has no such choice.
  const bool longerOffered = std::max(full.width(), full.height()) >= smallest;
  longerSize_->setEnabled(longerOffered);
  longerSide_->setEnabled(longerOffered);
  (size < 0 ? workingSize_ : size == 0 || !longerOffered ? fullSize_ : longerSize_)->setChecked(true);
  for (QRadioButton* button : {workingSize_, fullSize_, longerSize_})
    connect(button, &QRadioButton::toggled, this, &ExportPictureDialog::showResult);
  connect(longerSide_, &QSpinBox::valueChanged, this, [this] {
    longerSize_->setChecked(true);
    showResult();
  });
  showResult();
}

int ExportPictureDialog::longer() const {
  if (workingSize_->isChecked()) return document::kWorkingPictureSize;
  if (fullSize_->isChecked()) return document::kFullPictureSize;
  return longerSide_->value();
}

int ExportPictureDialog::quality() const {
  return quality_->value();
}

QSize ExportPictureDialog::resultSize() const {
  const int side = longer();
  if (side == document::kWorkingPictureSize) return working_;
  return platform::exportSize(photo_, side);
}

void ExportPictureDialog::showResult() {
  //: %1 is a size in pixels, "1280 × 960"; %2 the file type, PNG or JPEG.
  result_->setText(tr("Writes %1 pixels as %2.")
                       .arg(sizeText(resultSize()), jpeg_ ? QStringLiteral("JPEG") : QStringLiteral("PNG")));
}

TimelapseDialog::TimelapseDialog(QWidget* parent, QSize working, QSize full, bool mp4, int seconds, int longer)
    : QDialog(parent), working_(working), full_(full), mp4_(mp4) {
  setObjectName(QStringLiteral("timelapseOptions"));
  setWindowTitle(tr("Export Time-lapse"));
  // Up to the longer side of the photo's own size as Export takes it.
  const QSize own = platform::exportSize(full, 0);
  const int largest = std::max({document::kMinTimelapseSide, working.width(), working.height(), own.width(), own.height()});
  seconds_ = new QSpinBox(this);
  seconds_->setObjectName(QStringLiteral("duration"));
  seconds_->setRange(document::kMinTimelapseSeconds, document::kMaxTimelapseSeconds);
  //: The unit after the length in seconds.
  seconds_->setSuffix(tr(" s"));
  seconds_->setValue(seconds);
  longer_ = new QSpinBox(this);
  longer_->setObjectName(QStringLiteral("longerSide"));
  longer_->setRange(document::kMinTimelapseSide, largest);
  longer_->setSuffix(tr(" px"));
  longer_->setValue(std::min(longer, largest));
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("timelapseResult"));
  auto* form = new QFormLayout;
  form->addRow(tr("&Length:"), seconds_);
  form->addRow(tr("Longer &side:"), longer_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(result_);
  layout->addWidget(okCancel(this, tr("Export")));
  connect(seconds_, &QSpinBox::valueChanged, this, &TimelapseDialog::showResult);
  connect(longer_, &QSpinBox::valueChanged, this, &TimelapseDialog::showResult);
  showResult();
}

int TimelapseDialog::seconds() const {
  return seconds_->value();
}

int TimelapseDialog::longer() const {
  return longer_->value();
}

QSize TimelapseDialog::resultSize() const {
  return document::timelapseFrameSize(working_, full_, longer(), mp4_);
}

void TimelapseDialog::showResult() {
  //: %1 is a size in pixels, "1280 × 960"; %2 the length in seconds; %3 the frame rate.
  result_->setText((mp4_ ? tr("Writes %1 pixels, %2 s at %3 frames a second, as H.264 video (MP4).")
                         : tr("Writes %1 pixels, %2 s at %3 frames a second, as animated WebP."))
                       .arg(sizeText(resultSize()))
                       .arg(seconds())
                       .arg(document::kTimelapseFps));
}

}  // namespace desktop
