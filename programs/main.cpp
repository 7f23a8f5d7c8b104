// Entry point of both programs; the edition is the device link linked in.
#include <QApplication>
#include <QIcon>

#include "message_pattern.h"
#include "program_pictures.h"
#include "application.h"
#include "startup.h"

int main(int argc, char** argv) {
  InstallLogMessagePattern();
  QApplication qtApplication(argc, argv);
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(ProgramIconPath)));
  QGuiApplication::setDesktopFileName(QStringLiteral(PELNOR_DESKTOP_FILE_NAME));
  const int status = StartApplication();
  // The forms go while Qt still runs: their windows need it.
  Application->DestroyForms();
  return status;
}
