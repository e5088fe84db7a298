// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ToolBarFitter.h"

#include <QEvent>
#include <QLayout>
#include <QToolBar>

namespace desktop {

ToolBarFitter::ToolBarFitter(QToolBar* bar, QWidget* slider, int wide, int narrow)
    : QObject(bar), bar_(bar), slider_(slider), wide_(wide), narrow_(narrow) {
  bar_->installEventFilter(this);
  connect(bar_, &QToolBar::orientationChanged, this, &ToolBarFitter::fit);
}

bool ToolBarFitter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == bar_) {
    switch (event->type()) {
      case QEvent::FontChange:
      case QEvent::StyleChange:
        // The buttons' sizes change with the font and style: measured again.
        needs_.clear();
        fit();
        break;
      case QEvent::Resize:
        fit();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void ToolBarFitter::apply(const Option& option) {
  bar_->setToolButtonStyle(option.style);
  slider_->setFixedWidth(option.slider);
}

void ToolBarFitter::fit() {
  if (fitting_) return;
  fitting_ = true;
  const Option options[] = {{Qt::ToolButtonTextBesideIcon, wide_},
                            {Qt::ToolButtonIconOnly, wide_},
                            {Qt::ToolButtonIconOnly, narrow_}};
  constexpr int kLast = 2;
  // The width each way needs, with every item on the bar, measured once.
  if (needs_.empty()) {
    for (const Option& option : options) {
      apply(option);
      bar_->layout()->invalidate();
      needs_.push_back(bar_->layout()->sizeHint().width());
    }
  }
  // A bar down the window's side takes the narrowest way.
  int chosen = kLast;
  if (bar_->orientation() == Qt::Horizontal) {
    for (int i = 0; i < kLast && chosen == kLast; ++i)
      if (needs_[i] <= bar_->width()) chosen = i;
  }
  apply(options[chosen]);
  fitting_ = false;
}

}  // namespace desktop
