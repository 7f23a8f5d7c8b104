#pragma once
// File names are no control text: they keep the file system's bytes, and
// Qt's file-name encoding turns them into what dialogs and boxes show, and
// back.
#include <string>

class QString;

QString FileNameToQString(const std::string& fileName);
std::string FileNameFromQString(const QString& fileName);
