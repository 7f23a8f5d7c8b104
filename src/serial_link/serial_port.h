#pragma once
// Opening the COM port chosen in the main window.
#include "com_port.h"

inline constexpr const char* SerialPortModeText = "115200,n,8,1";
inline constexpr TComTimeouts SerialPortTimeouts{1, 1, 1, 1, 1};
inline constexpr const char* SerialPortOpenedText = "Serial port opened successfully.";
inline constexpr const char* SerialPortOpenErrorText =
    "Serial port open error. Try to reconnect the device and reset application.";

// The platform calls of the four set-up steps, in the order they run.
struct TSerialPortCalls {
  TComHandle (*Open)(const std::string& name) = OpenComPort;
  bool (*BuildSettings)(const char* mode, TComSettings& settings) = BuildComSettings;
  bool (*SetTimeouts)(TComHandle port, const TComTimeouts& timeouts) = SetComTimeouts;
  bool (*SetState)(TComHandle port, const TComSettings& settings) = SetComState;
};
// Replaceable so that each step's failure can be tried.
extern TSerialPortCalls SerialPortCalls;

// The port that the last successful OpenSerialPort set up, until a worker
// takes it.
extern TComHandle ComPort;
