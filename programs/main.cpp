// Entry point of both programs; the edition is the device link linked in.
#include <QApplication>
#include <QIcon>

#include "message_pattern.h"
#include "program_pictures.h"
#include "startup.h"

int main(int argc, char** argv) {
  InstallLogMessagePattern();
  QApplication qtApplication(argc, argv);
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(ProgramIconPath)));
  QGuiApplication::setDesktopFileName(QStringLiteral(PELNOR_DESKTOP_FILE_NAME));
  return StartApplication();
}
