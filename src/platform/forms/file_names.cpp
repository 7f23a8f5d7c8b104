#include "file_names.h"

#include <QFile>
#include <QString>

#include "control.h"

QString FileNameToQString(const std::string& fileName) { return QFile::decodeName(QByteArray::fromStdString(fileName)); }

std::string FileNameFromQString(const QString& fileName) { return QFile::encodeName(fileName).toStdString(); }

QString TextNamingFile(const std::string& text, const std::string& fileName) {
  const auto at = fileName.empty() ? std::string::npos : text.rfind(fileName);
  if (at == std::string::npos) return ToQString(text);
  return ToQString(text.substr(0, at)) + FileNameToQString(fileName) + ToQString(text.substr(at + fileName.size()));
}
