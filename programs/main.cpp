// Entry point of both programs; the edition is the device link linked in.
#include <QApplication>

#include "startup.h"

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  return StartApplication();
}
