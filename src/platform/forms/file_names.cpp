#include "file_names.h"

#include <QFile>
#include <QString>

QString FileNameToQString(const std::string& fileName) { return QFile::decodeName(QByteArray::fromStdString(fileName)); }

std::string FileNameFromQString(const QString& fileName) { return QFile::encodeName(fileName).toStdString(); }
