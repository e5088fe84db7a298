// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's file dialogs: Qt's own (the same on every desktop, and what
// the tests drive), window-modal over the main window, deleting themselves once
// closed, and large enough from the start that the file list's columns show.
#include <QSize>
#include <QString>

class QFileDialog;
class QWidget;

namespace desktop {

// The first size of every file dialog, in logical pixels (smaller screens get
// their available size).
inline constexpr QSize kFileDialogSize{860, 540};

QFileDialog* newFileDialog(QWidget* parent, const QString& title, const QString& folder);

}  // namespace desktop
