// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing-tablet pens for GUI tests: the pen's two ends as Qt's pointing
// devices, and a pen event sent to a widget as Qt delivers it.
#include <QApplication>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QWidget>

namespace vorlane_test {

inline const QPointingDevice* penDevice(QPointingDevice::PointerType type) {
  const auto capabilities = QInputDevice::Capability::Position | QInputDevice::Capability::Pressure;
  static QPointingDevice pen(QStringLiteral("test pen"), 7001, QInputDevice::DeviceType::Stylus,
                             QPointingDevice::PointerType::Pen, capabilities, 1, 2);
  static QPointingDevice eraser(QStringLiteral("test pen eraser"), 7002, QInputDevice::DeviceType::Stylus,
                                QPointingDevice::PointerType::Eraser, capabilities, 1, 2);
  return type == QPointingDevice::PointerType::Eraser ? &eraser : &pen;
}

// Sends a pen event at local (target's coordinates); true when it was taken.
// A move with pressure is one with the pen down.
inline bool sendPen(QWidget* target, QEvent::Type type, QPointF local, double pressure,
                    QPointingDevice::PointerType pointer = QPointingDevice::PointerType::Pen) {
  const bool down = type == QEvent::TabletPress || (type == QEvent::TabletMove && pressure > 0.0);
  QTabletEvent event(type, penDevice(pointer), local, target->mapToGlobal(local), pressure, 0, 0, 0, 0, 0,
                     Qt::NoModifier, type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton,
                     down ? Qt::LeftButton : Qt::NoButton);
  QApplication::sendEvent(target, &event);
  return event.isAccepted();
}

}  // namespace vorlane_test
