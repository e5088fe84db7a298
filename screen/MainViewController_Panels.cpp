// The two style lists and their panels: list contents, selection, expand and
// collapse, and the re-render when the panels close on a changed selection.
#include <QListWidget>
#include <QPropertyAnimation>
#include <QTimer>

#include "canvas/VorlaneView.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"
#include "screen/FireElementCell.h"
#include "screen/MainViewController.h"

namespace screen {

namespace {
constexpr int kSlideMs = 200;
}

int MainViewController::numberOfRowsInSection(int tag) const {
  if (tag == kSketchTypeTag || tag == kPhotoATypeTag) return int(sketchtypearray_.size());
  return 0;
}

float MainViewController::heightForRow(int, int) const {
  return profile_.rowHeight;
}

FireElementCell* MainViewController::cellForRow(int tag, int row) {
  FireElementCell* cell = createCell();
  if ((tag == kSketchTypeTag || tag == kPhotoATypeTag) && row >= 0 && row < sketchtypearray_.size())
    cell->fireimgview()->setImage(platform::imageWithContentsOfFile(sketchtypearray_.at(row)));
  return cell;
}

void MainViewController::didSelectRow(int tag, int row) {
  if (row < 0 || row >= numberOfRowsInSection(tag)) return;
  if (tag == kPhotoATypeTag)
    currentAtype_ = row;
  else if (tag == kSketchTypeTag)
    currenttype_ = row;
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
  scrollListToRow(list, sketch ? currenttype_ : currentAtype_);
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

  const int lastB = defaultsetting_->integerForKey(QStringLiteral("currenttype"));
  const int lastA = defaultsetting_->integerForKey(QStringLiteral("currentAtype"));
  if (workview_->imgready() && (currenttype_ != lastB || currentAtype_ != lastA)) {
    workview_->setSketchready(false);
    processindicator_->setHidden(false);
    processindicator_->startAnimating();
    QTimer::singleShot(kRenderDelayMs, this, &MainViewController::dosketch);
  }
}

}  // namespace screen
