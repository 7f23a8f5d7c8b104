#include "dialog_start_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "file_names.h"
#include "log_categories.h"

std::string DialogStartFolder(const std::string& programFolder, const std::string& subfolder) {
  const std::string programOwn = programFolder + subfolder;
  if (QFileInfo(FileNameToQString(programOwn)).isDir()) return programOwn + "/";
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString userOwn = documents + "/Pelnor Rudi/" + FileNameToQString(subfolder);
  if (!QDir().mkpath(userOwn)) qCInfo(lcFiles) << "cannot create the dialog folder" << userOwn;
  return FileNameFromQString(userOwn) + "/";
}
