// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/AlertView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QList<AlertView*>& visibleList() {
  static QList<AlertView*> list;
  return list;
}

}  // namespace

AlertView::AlertView(const QString& title, const QString& message, AlertViewDelegate* delegate,
                     const QString& cancelButtonTitle, const QStringList& otherButtonTitles)
    : title_(title), message_(message), delegate_(delegate) {
  box_ = new QMessageBox();
  box_->setIcon(QMessageBox::NoIcon);
  box_->setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
  // A title-less alert shows its message as the main text.
  if (title.isEmpty()) {
    box_->setText(message);
  } else {
    box_->setText(title);
    box_->setInformativeText(message);
  }
  if (!cancelButtonTitle.isEmpty()) {
    hasCancel_ = true;
    QPushButton* cancel = box_->addButton(cancelButtonTitle, QMessageBox::RejectRole);
    // The cancel button answers Escape, and Enter too: a reflexive key press
    // must never be taken for a yes.
    box_->setEscapeButton(cancel);
    box_->setDefaultButton(cancel);
    indexOfButton_.insert(cancel, 0);
    buttonTitles_.append(cancelButtonTitle);
  }
  for (const QString& other : otherButtonTitles) addButtonWithTitle(other);
  connect(box_, &QDialog::finished, this, &AlertView::dismissed);
  // The box dies with the window it was shown over; the alert goes with it.
  connect(box_, &QObject::destroyed, this, [this] {
    visibleList().removeAll(this);
    if (!done_) {
      done_ = true;
      deleteLater();
    }
  });
}

AlertView::~AlertView() {
  visibleList().removeAll(this);
  if (box_) {
    box_->disconnect(this);
    delete box_.data();
  }
}

int AlertView::addButtonWithTitle(const QString& title) {
  const int index = static_cast<int>(buttonTitles_.size());
  buttonTitles_.append(title);
  if (box_) {
    QPushButton* button = box_->addButton(title, QMessageBox::AcceptRole);
    indexOfButton_.insert(button, index);
  }
  return index;
}

bool AlertView::isVisible() const {
  return box_ && box_->isVisible();
}

void AlertView::show(QWidget* parent) {
  if (shown_ || !box_) return;
  shown_ = true;
  if (parent) {
    // setParent resets the window flags: keep the dialog's own.
    const Qt::WindowFlags flags = box_->windowFlags();
    box_->setParent(parent->window(), flags);
  }
  box_->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  // QMessageBox sizes itself to its layout's least width when shown: a strut
  // across the whole grid sets that width (the box builds its grid anew on
  // every new text, so it goes in last).
  if (auto* grid = qobject_cast<QGridLayout*>(box_->layout()); grid && minimumWidth_ > 0) {
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(minimumWidth_ - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  visibleList().append(this);
  box_->open();
}

QMessageBox* AlertView::messageBox() const {
  return box_;
}

QList<AlertView*> AlertView::visibleAlerts() {
  return visibleList();
}

int AlertView::indexOfButton(QAbstractButton* button) const {
  // Closing the window or Escape counts as the cancel button.
  const auto hit = indexOfButton_.constFind(button);
  if (hit != indexOfButton_.constEnd()) return *hit;
  return hasCancel_ ? 0 : -1;
}

void AlertView::dismissed() {
  if (done_) return;
  done_ = true;
  const int index = indexOfButton(box_ ? box_->clickedButton() : nullptr);
  visibleList().removeAll(this);
  if (delegate_) delegate_->alertViewDidDismissWithButtonIndex(this, index);
  if (box_) box_->deleteLater();
  deleteLater();
}

}  // namespace platform
