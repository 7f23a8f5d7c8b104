// "Open port" and "Close port": the one worker and the port it holds.
#include <utility>

#include "Unit1.h"
#include "communication.h"
#include "dialogs.h"
#include "link_request.h"
#include "log_categories.h"
#include "serial_port.h"

void TForm1::Button1Click(TObject*) {
  // Never two workers: the user closes the port first.
  if (LinkRequestsOpen()) {
    qCInfo(lcSerial, "Open port: refused, this program's port is open; click Close port first");
    InformationBox(SerialPortOpenErrorText);
    return;
  }
  // A worker that "Close port" stopped ends here; its hand-overs are served
  // meanwhile.
  CommThread.reset();
  if (!OpenSerialPort()) return;
  CommThread = CreateRunningThread<TCommThread>(*this, std::exchange(ComPort, InvalidComHandle));
}

void TForm1::Button2Click(TObject*) {
  if (!CommThread) return;
  // The port counts as closed at once: nothing posted from here on reaches
  // the worker, which ends within one pass.
  CloseLinkRequests();
  CommThread->Terminate();
}
