// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/FileDialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>

namespace desktop {

QFileDialog* newFileDialog(QWidget* parent, const QString& title, const QString& folder) {
  auto* dialog = new QFileDialog(parent, title, folder);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setViewMode(QFileDialog::Detail);
  const QScreen* screen = parent ? parent->screen() : nullptr;
  dialog->resize(screen ? kFileDialogSize.boundedTo(screen->availableGeometry().size()) : kFileDialogSize);
  // Qt sizes the type column for "mp3Folder", so "PNG image" shows as "PN…ge":
  // size, type and date take what they show, the name the rest.
  if (auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
  // Room for the places' names beside the list.
  if (auto* split = dialog->findChild<QSplitter*>(QStringLiteral("splitter")); split && split->count() == 2)
    split->setSizes({kFileDialogSize.width() / 5, kFileDialogSize.width() * 4 / 5});
  return dialog;
}

}  // namespace desktop
