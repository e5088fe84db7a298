// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The more-apps dialog: a white overlay that covers its parent and presents one
// entry of the more-apps list (title, description, icon, demonstration picture)
// with the buttons "Get it", "More" and "Next time". It only shows entries and
// posts notifications; the owner of the list counter decides when it appears
// and removes it:
//   "Get it"    posts "kGotoMore" with the shown entry's index (int),
//   "Next time" posts "kKillMore" with no object,
//   "More"      flips to the next entry inside the dialog (counter untouched).
#include <QRectF>
#include <QString>
#include <QTextEdit>
#include <QVariantList>
#include <QWidget>

#include "platform/widgets/FittedLabel.h"
#include "promo/MoreButton.h"
#include "promo/MoreDialogLayout.h"
#include "promo/MoreImageView.h"

namespace promo {

class UIGotoMoreView : public QWidget {
  Q_OBJECT
 public:
  // The dialog at frame inside parent, fully built, showing entry
  // "more_times" / 3 of the list named by the localised string "more.plist".
  // Like any child created after its parent is shown, call show() (and raise()).
  explicit UIGotoMoreView(const QRectF& frame, QWidget* parent = nullptr);
  // The same, reading the list from listPath.
  UIGotoMoreView(const QRectF& frame, const QString& listPath, QWidget* parent = nullptr);
  ~UIGotoMoreView() override;

  // Path of the shipped list: the data file named by the localised "more.plist".
  static QString defaultListPath();

  // True when the device model name contains name; logs "deviceType = <model>" as
  // a diagnostic line (off unless enabled by a logging rule).
  bool checkDevice(const QString& name) const;

  // The float model of the dialog's frame and of its elements (in the dialog).
  QRectF frame() const { return frame_; }
  QRectF titleFrame() const { return layout_.title; }
  QRectF detailsFrame() const { return layout_.details; }
  QRectF appiconFrame() const { return layout_.appicon; }
  QRectF demoFrame() const { return layout_.demo; }
  QRectF getbtnFrame() const { return layout_.getbtn; }
  QRectF morebtnFrame() const { return layout_.morebtn; }
  QRectF laterbtnFrame() const { return layout_.laterbtn; }
  promo::MoreDialogFonts fonts() const { return fonts_; }

  QTextEdit* details() const { return details_; }
  platform::FittedLabel* title() const { return title_; }
  promo::MoreImageView* appicon() const { return appicon_; }
  promo::MoreImageView* demoiimgview0() const { return demoiimgview0_; }
  promo::MoreButton* getbtn() const { return getbtn_; }
  promo::MoreButton* morebtn() const { return morebtn_; }
  promo::MoreButton* laterbtn() const { return laterbtn_; }
  platform::FittedLabel* getlabel() const { return getlabel_; }
  platform::FittedLabel* morelabel() const { return morelabel_; }
  platform::FittedLabel* laterlabel() const { return laterlabel_; }

  int moreidx() const { return moreidx_; }
  const QVariantList& more_array() const { return more_array_; }

  // Text colour of the title, the text area and the button labels.
  static QColor textColor();

 public slots:
  void getbtnclicked();
  void moremorebtnclicked();
  void laterbtnclicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The dialog swallows touches that hit none of its buttons, so nothing below
  // it (or its parent) reacts while it is up.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  platform::FittedLabel* makeLabel(const QRectF& frame, int pixelSize, Qt::Alignment alignment);
  promo::MoreButton* makeButton(const QRectF& frame, const QString& key, void (UIGotoMoreView::*action)(),
                                platform::FittedLabel** label);
  void fillEntry(int index);

  QRectF frame_;
  promo::MoreDialogLayout layout_;
  promo::MoreDialogFonts fonts_{};

  QTextEdit* details_ = nullptr;
  platform::FittedLabel* title_ = nullptr;
  promo::MoreImageView* appicon_ = nullptr;
  promo::MoreImageView* demoiimgview0_ = nullptr;
  promo::MoreButton* getbtn_ = nullptr;
  promo::MoreButton* morebtn_ = nullptr;
  promo::MoreButton* laterbtn_ = nullptr;
  platform::FittedLabel* getlabel_ = nullptr;
  platform::FittedLabel* morelabel_ = nullptr;
  platform::FittedLabel* laterlabel_ = nullptr;
  int moreidx_ = 0;
  QVariantList more_array_;
};

}  // namespace promo
