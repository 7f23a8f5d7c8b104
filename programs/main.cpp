// Entry point of both programs; the edition is the device link linked in.
#include <QApplication>
#include <QIcon>

#include "program_pictures.h"
#include "startup.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  QApplication::setWindowIcon(QIcon(QString::fromLatin1(ProgramIconPath)));
  return StartApplication();
}
