// "Open port" and "Close port": the one worker and the port it holds.
#include <utility>

#include "Unit1.h"
#include "communication.h"
#include "dialogs.h"
#include "serial_port.h"

void TForm1::Button1Click(TObject*) {
  // Never two workers: the user closes the port first.
  if (CommThread && !CommThread->Finished()) {
    InformationBox(SerialPortOpenErrorText);
    return;
  }
  CommThread.reset();
  if (!OpenSerialPort()) return;
  CommThread = CreateRunningThread<TCommThread>(*this, std::exchange(ComPort, InvalidComHandle));
}

void TForm1::Button2Click(TObject*) {
  if (CommThread) CommThread->Terminate();
}
