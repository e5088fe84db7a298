// SPDX-License-Identifier: GPL-3.0-or-later
// The two style lists and their panels: list contents, selection, expand and
// collapse, and the re-render when the panels close on a changed selection.
#include <QListWidget>
#include <QPropertyAnimation>

#include "platform/Resources.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"
#include "screen/FireElementCell.h"
#include "screen/MainViewController.h"
#include "document/SketchDocument.h"

namespace screen {

namespace {
constexpr int kSlideMs = 200;
}

int MainViewController::numberOfRowsInSection(int tag) const {
  if (tag == kSketchTypeTag || tag == kPhotoATypeTag) return document_->styleCount();
  return 0;
}

float MainViewController::heightForRow(int, int) const {
  return profile_.rowHeight;
}

FireElementCell* MainViewController::cellForRow(int tag, int row) {
  FireElementCell* cell = createCell();
  if ((tag == kSketchTypeTag || tag == kPhotoATypeTag) && row >= 0 && row < document_->styleCount())
    cell->fireimgview()->setImage(platform::imageWithContentsOfFile(document_->sketchtypearray().at(row)));
  return cell;
}

void MainViewController::didSelectRow(int tag, int row) {
  if (tag == kPhotoATypeTag)
    document_->selectPhotoAStyle(row);
  else if (tag == kSketchTypeTag)
    document_->selectSketchStyle(row);
}

void MainViewController::fillList(QListWidget* list, int tag) {
  const int rows = numberOfRowsInSection(tag);
  for (int row = 0; row < rows; ++row) {
    FireElementCell* cell = cellForRow(tag, row);
    auto* item = new QListWidgetItem(list);
    item->setSizeHint(QSize(int(cell->profile().cellFrame.width()), int(heightForRow(tag, row))));
    list->setItemWidget(item, cell);
  }
}

void MainViewController::scrollListToRow(QListWidget* list, int row) {
  if (!list || row < 0 || row >= list->count()) return;
  list->scrollToItem(list->item(row), QAbstractItemView::PositionAtBottom);
}

void MainViewController::slideTo(QWidget* widget, const QRectF& frame) {
  // The frame is the model and is already set; the widget follows in a short slide.
  const QRect target = frame.toRect();
  if (!widget->isVisible() || widget->geometry() == target) {
    widget->setGeometry(target);
    return;
  }
  auto* slide = new QPropertyAnimation(widget, "geometry", widget);
  slide->setDuration(kSlideMs);
  slide->setStartValue(widget->geometry());
  slide->setEndValue(target);
  slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void MainViewController::setPanelExpanded(int tag, bool expanded) {
  const bool sketch = tag == kSketchTypeTag;
  QWidget* panel = sketch ? sketchtypebaseview_ : photoAtypebaseview_;
  QListWidget* list = sketch ? sketchtypetableview_ : photoAtypetableview_;
  QRectF& frame = sketch ? sketchPanelFrame_ : photoAPanelFrame_;
  frame = sketch ? (expanded ? profile_.sketchPanelExpanded : profile_.sketchPanelCollapsed)
                 : (expanded ? profile_.photoAPanelExpanded : profile_.photoAPanelCollapsed);
  slideTo(panel, frame);
  list->setGeometry((expanded ? profile_.listExpanded : profile_.listCollapsed).toRect());
  scrollListToRow(list, sketch ? document_->currenttype() : document_->currentAtype());
  (sketch ? showsketchtypeview_ : showphotoAtypeview_) = expanded;
  // While expanded the list itself takes the touches.
  (sketch ? sketchtypetitle_ : photoAtypetitle_)->setHidden(expanded);
  (sketch ? showsketchtypeviewbtn_ : showphotoAtypeviewbtn_)->setHidden(expanded);
}

void MainViewController::showsketchtypeviewbtnclicked() {
  const bool expand = !showsketchtypeview_;
  setPanelExpanded(kSketchTypeTag, expand);
  bkbtn_->setHidden(!expand);
}

void MainViewController::showphotoAtypeviewbtnclicked() {
  const bool expand = !showphotoAtypeview_;
  setPanelExpanded(kPhotoATypeTag, expand);
  bkbtn_->setHidden(!expand);
}

void MainViewController::bkbtnclicked() {
  setPanelExpanded(kSketchTypeTag, false);
  setPanelExpanded(kPhotoATypeTag, false);
  bkbtn_->setHidden(true);

  document_->renderIfChanged();
}

}  // namespace screen
