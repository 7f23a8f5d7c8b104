#include "real_dialog_user.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

RealDialogUser::RealDialogUser() {
  QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
  timer_.start(10);
}

void RealDialogUser::Answer() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    if (auto* dialog = qobject_cast<QFileDialog*>(window)) {
      dialogFolders << dialog->directory().absolutePath();
      if (files_.empty()) {
        dialog->reject();
        continue;
      }
      // Into the folder with nothing selected, then the name typed in full.
      dialog->selectFile(files_.front());
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(files_.front());
      files_.pop_front();
      const auto accept = dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save : QDialogButtonBox::Open;
      dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(accept)->click();
    } else if (auto* box = qobject_cast<QMessageBox*>(window)) {
      boxTexts << box->text();
      box->button(QMessageBox::Ok)->click();
    }
  }
}
