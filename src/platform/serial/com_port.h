#pragma once
// COM ports over POSIX termios: open by name, settings from a mode text,
// time-outs, synchronous read and write, close.
#include <cstdint>
#include <string>

// "COM1" to "COM9": the link comN in the dosdevices folder when there is
// one, otherwise /dev/ttyS<n-1>. Empty for any other name.
std::string ComPortDevicePath(const std::string& name);
// $XDG_CONFIG_HOME/pelnor/dosdevices, or ~/.config/pelnor/dosdevices.
std::string DosDevicesFolder();

struct TComPort;
using TComHandle = TComPort*;
constexpr TComHandle InvalidComHandle = nullptr;

// Opens the port for reading and writing, exclusively: a port held by any
// other open, in this process or another, cannot be opened. Bytes the port
// held before the open are discarded; a port that cannot discard them
// (no terminal) opens all the same, with a log line.
TComHandle OpenComPort(const std::string& name);
void CloseComPort(TComHandle port);

enum class TParity : std::uint8_t { None, Odd, Even };
enum class TStopBits : std::uint8_t { One, Two };

// Line settings, as a mode text gives them; DTR and RTS start on.
struct TComSettings {
  std::uint32_t BaudRate = 0;
  TParity Parity = TParity::None;
  std::uint8_t ByteSize = 0;
  TStopBits StopBits = TStopBits::One;
  bool DtrOn = true;
  bool RtsOn = true;
};

// Parses "baud,parity,data,stop" ("115200,n,8,1"): parity n, o or e,
// 5 to 8 data bits, 1 or 2 stop bits. False for any other text.
bool BuildComSettings(const char* mode, TComSettings& settings);

// Raw line with those settings, no flow control; DTR and RTS as given
// (a line without modem lines, such as a pseudo-terminal, has none to set).
bool SetComState(TComHandle port, const TComSettings& settings);

// Time-outs in milliseconds. A read waits up to
// ReadTotalMultiplier * size + ReadTotalConstant for the first byte and
// returns what has arrived as soon as anything has; a write waits up to
// WriteTotalMultiplier * size + WriteTotalConstant for the line to take it.
struct TComTimeouts {
  std::uint32_t ReadInterval = 0;
  std::uint32_t ReadTotalMultiplier = 0;
  std::uint32_t ReadTotalConstant = 0;
  std::uint32_t WriteTotalMultiplier = 0;
  std::uint32_t WriteTotalConstant = 0;
};

// The largest read or write of one call.
constexpr std::uint32_t ComMaxTransfer = 65536;

// False when a total time-out for the largest transfer does not fit a wait.
bool SetComTimeouts(TComHandle port, const TComTimeouts& timeouts);

// Reads up to size bytes; count is how many arrived. False when the read
// failed or the far end has gone (the wait is then still served in full,
// so a caller that loops does not spin).
bool ReadComPort(TComHandle port, std::uint8_t* buffer, std::uint32_t size, std::uint32_t& count);
// Writes size bytes; count is how many the line took before the time-out.
bool WriteComPort(TComHandle port, const std::uint8_t* bytes, std::uint32_t size, std::uint32_t& count);
