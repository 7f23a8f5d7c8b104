#include "serial_port.h"

#include <string>

#include "Unit1.h"
#include "dialogs.h"
#include "log_categories.h"

TSerialPortCalls SerialPortCalls;
TComHandle ComPort = InvalidComHandle;

namespace {

constexpr int ComPortCount = 9;

bool OpenFailed(const char* step, const std::string& box = SerialPortOpenErrorText) {
  qCInfo(lcSerial, "Open port: %s failed", step);
  InformationBox(box);
  return false;
}

std::string PortNotListedText(const std::string& typed) {
  return "Serial port \"" + typed + "\" not found. Please choose a port from the list.";
}

bool SetUpFailed(const char* step) {
  CloseComPort(ComPort);
  ComPort = InvalidComHandle;
  return OpenFailed(step);
}

}  // namespace

// A port name typed into the list that is one of its items (letter case
// and blanks around it ignored) selects that item; any other opens nothing.
bool TForm1::OpenSerialPort() {
  const int index = ComboBox2->NamedItemIndex();
  if (index < 0 || index >= ComPortCount) {
    return OpenFailed("choosing the port (no COM port selected)", PortNotListedText(ComboBox2->Text()));
  }
  ComboBox2->SetItemIndex(index);
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
