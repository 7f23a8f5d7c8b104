#include "serial_port.h"

#include "Unit1.h"
#include "dialogs.h"

TSerialPortCalls SerialPortCalls;
TComHandle ComPort = InvalidComHandle;

namespace {

constexpr int ComPortCount = 9;

bool OpenFailed() {
  InformationBox(SerialPortOpenErrorText);
  return false;
}

bool SetUpFailed() {
  CloseComPort(ComPort);
  ComPort = InvalidComHandle;
  return OpenFailed();
}

}  // namespace

bool TForm1::OpenSerialPort() {
  const int index = ComboBox2->ItemIndex();
  if (index < 0 || index >= ComPortCount) return OpenFailed();
  const TComHandle port = SerialPortCalls.Open("COM" + std::to_string(index + 1));
  if (port == InvalidComHandle) return OpenFailed();
  ComPort = port;

  TComSettings settings;
  if (!SerialPortCalls.BuildSettings(SerialPortModeText, settings)) return SetUpFailed();
  settings.DtrOn = false;
  settings.RtsOn = false;
  if (!SerialPortCalls.SetTimeouts(ComPort, SerialPortTimeouts)) return SetUpFailed();
  if (!SerialPortCalls.SetState(ComPort, settings)) return SetUpFailed();

  InformationBox(SerialPortOpenedText);
  return true;
}
