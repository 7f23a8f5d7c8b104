#include "serial_port.h"

#include <string>

#include "Unit1.h"
#include "dialogs.h"
#include "log_categories.h"

TSerialPortCalls SerialPortCalls;
TComHandle ComPort = InvalidComHandle;

namespace {

constexpr int ComPortCount = 9;

bool OpenFailed(const char* step) {
  qCInfo(lcSerial, "Open port: %s failed", step);
  InformationBox(SerialPortOpenErrorText);
  return false;
}

bool SetUpFailed(const char* step) {
  CloseComPort(ComPort);
  ComPort = InvalidComHandle;
  return OpenFailed(step);
}

}  // namespace

bool TForm1::OpenSerialPort() {
  const int index = ComboBox2->ItemIndex();
  if (index < 0 || index >= ComPortCount) return OpenFailed("choosing the port (no COM port selected)");
  const std::string name = "COM" + std::to_string(index + 1);
  qCInfo(lcSerial, "Open port: %s", name.c_str());
  const TComHandle port = SerialPortCalls.Open(name);
  if (port == InvalidComHandle) return OpenFailed("opening the port");
  ComPort = port;

  TComSettings settings;
  if (!SerialPortCalls.BuildSettings(SerialPortModeText, settings)) return SetUpFailed("building the settings");
  settings.DtrOn = false;
  settings.RtsOn = false;
  if (!SerialPortCalls.SetTimeouts(ComPort, SerialPortTimeouts)) return SetUpFailed("setting the time-outs");
  if (!SerialPortCalls.SetState(ComPort, settings)) return SetUpFailed("setting the line state");

  qCInfo(lcSerial, "Open port: %s set up, %s, DTR and RTS off", name.c_str(), SerialPortModeText);
  InformationBox(SerialPortOpenedText);
  return true;
}
