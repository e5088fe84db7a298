// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An alert: a window-modal message box that does not block, reports the button
// that dismissed it to a delegate and then deletes itself.
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace platform {

class AlertView;

class AlertViewDelegate {
 public:
  virtual ~AlertViewDelegate() = default;
  virtual void alertViewDidDismissWithButtonIndex(class AlertView* alertView, int buttonIndex) = 0;
};

class AlertView : public QObject {
  Q_OBJECT
 public:
  // Button indices: the cancel button is 0 (when its title is not empty), the
  // other buttons follow in order of addition. A title-less alert shows only
  // the message.
  AlertView(const QString& title, const QString& message, AlertViewDelegate* delegate,
            const QString& cancelButtonTitle, const QStringList& otherButtonTitles = {});
  ~AlertView() override;

  // Adds a button and returns its index.
  int addButtonWithTitle(const QString& title);
  void setTag(int tag) { tag_ = tag; }
  int tag() const { return tag_; }
  QString title() const { return title_; }
  QString message() const { return message_; }
  QStringList buttonTitles() const { return buttonTitles_; }
  // The index of the cancel button, -1 when there is none.
  int cancelButtonIndex() const { return hasCancel_ ? 0 : -1; }
  bool isVisible() const;
  // The box's least width in logical pixels, from the next show() on (0, the
  // default: as narrow as its title allows, the message wrapping to fit).
  void setMinimumWidth(int width) { minimumWidth_ = width; }

  // Opens the alert window-modal over parent's window and returns at once.
  // After the user dismisses it the delegate is told the button index, then the
  // alert deletes itself. Showing twice does nothing more.
  void show(QWidget* parent);

  QMessageBox* messageBox() const;
  // The alerts shown and not dismissed yet, oldest first.
  static QList<AlertView*> visibleAlerts();

 private:
  void dismissed();
  int indexOfButton(QAbstractButton* button) const;

  QString title_;
  QString message_;
  AlertViewDelegate* delegate_;
  QStringList buttonTitles_;
  QHash<QAbstractButton*, int> indexOfButton_;
  bool hasCancel_ = false;
  int tag_ = 0;
  int minimumWidth_ = 0;
  bool shown_ = false;
  bool done_ = false;
  QPointer<QMessageBox> box_;
};

}  // namespace platform
