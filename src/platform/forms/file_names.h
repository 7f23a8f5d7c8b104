#pragma once
// File names are no control text: they keep the file system's bytes, and
// Qt's file-name encoding turns them into what dialogs and boxes show, and
// back.
#include <string>

class QString;

QString FileNameToQString(const std::string& fileName);
std::string FileNameFromQString(const QString& fileName);

// Control text that quotes a file name: the last place that holds the
// name's bytes is shown as the file name, the rest as control text.
QString TextNamingFile(const std::string& text, const std::string& fileName);
