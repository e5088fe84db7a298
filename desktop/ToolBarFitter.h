// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps every command of a toolbar on it, none in its overflow menu, as the
// window narrows: text beside the icons while there is room for it, then icons
// alone, then a shorter slider as well.
#include <QObject>
#include <vector>

class QToolBar;
class QWidget;

namespace desktop {

class ToolBarFitter : public QObject {
 public:
  // slider: a widget on the bar whose width gives way last, wide or narrow.
  ToolBarFitter(QToolBar* bar, QWidget* slider, int wide, int narrow);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Option {
    Qt::ToolButtonStyle style;
    int slider;
  };
  void fit();
  void apply(const Option& option);

  QToolBar* bar_;
  QWidget* slider_;
  int wide_;
  int narrow_;
  std::vector<int> needs_;  // the bar's width for each way, widest first
  bool fitting_ = false;
};

}  // namespace desktop
