#include "com_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <thread>

#include "com_port_diagnostics.h"
#include "log_categories.h"

struct TComPort {
  int Fd;
  std::string Path;
  TComTimeouts Timeouts;
};

namespace {

using Clock = std::chrono::steady_clock;

bool BaudConstant(std::uint32_t rate, speed_t& speed) {
  struct Rate {
    std::uint32_t Baud;
    speed_t Speed;
  };
  static constexpr Rate rates[] = {{1200, B1200},   {2400, B2400},     {4800, B4800},    {9600, B9600},
                                   {19200, B19200}, {38400, B38400},   {57600, B57600},  {115200, B115200},
                                   {230400, B230400}, {460800, B460800}, {921600, B921600}};
  for (const Rate& r : rates) {
    if (r.Baud == rate) {
      speed = r.Speed;
      return true;
    }
  }
  return false;
}

tcflag_t ByteSizeFlag(std::uint8_t size) {
  switch (size) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

// Sets or clears one modem line; a line without modem lines has nothing
// to set.
bool SetModemLine(const TComPort& port, int line, bool on) {
  if (ioctl(port.Fd, on ? TIOCMBIS : TIOCMBIC, &line) == 0 || errno == ENOTTY || errno == EINVAL) return true;
  LogComPortFailure(on ? "TIOCMBIS" : "TIOCMBIC", port.Path, errno);
  return false;
}

// Logs the failed call with the system's error text; false.
bool Failed(const char* call, const std::string& path) {
  LogComPortFailure(call, path, errno);
  return false;
}

std::uint64_t TotalTimeout(std::uint32_t multiplier, std::uint32_t constant, std::uint32_t size) {
  return std::uint64_t{multiplier} * size + constant;
}

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

TComHandle OpenComPort(const std::string& name) {
  const std::string path = ComPortDevicePath(name);
  if (path.empty()) return InvalidComHandle;
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    Failed("open", path);
    return InvalidComHandle;
  }
  // TIOCEXCL keeps out other users; flock also keeps out root and this
  // process's own second open.
  const bool exclusive = (ioctl(fd, TIOCEXCL) == 0 || errno == ENOTTY || Failed("TIOCEXCL", path)) &&
                         (flock(fd, LOCK_EX | LOCK_NB) == 0 || Failed("flock", path));
  if (!exclusive) {
    close(fd);
    return InvalidComHandle;
  }
  // What arrived before this open answers no one here. A port that cannot
  // discard it still opens.
  if (tcflush(fd, TCIFLUSH) != 0) Failed("tcflush", path);
  qCInfo(lcSerial, "opened %s", path.c_str());
  return new TComPort{fd, path, {}};
}

void CloseComPort(TComHandle port) {
  if (!port) return;
  close(port->Fd);
  delete port;
}

bool SetComState(TComHandle port, const TComSettings& settings) {
  if (!port) return false;
  speed_t speed;
  if (!BaudConstant(settings.BaudRate, speed)) {
    qCInfo(lcSerial, "%u baud is no rate %s can be set to", settings.BaudRate, port->Path.c_str());
    return false;
  }
  termios options;
  if (tcgetattr(port->Fd, &options) != 0) return Failed("tcgetattr", port->Path);
  cfmakeraw(&options);
  options.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  options.c_cflag |= CLOCAL | CREAD | ByteSizeFlag(settings.ByteSize);
  if (settings.Parity != TParity::None) options.c_cflag |= PARENB;
  if (settings.Parity == TParity::Odd) options.c_cflag |= PARODD;
  if (settings.StopBits == TStopBits::Two) options.c_cflag |= CSTOPB;
  options.c_cc[VMIN] = 0;
  options.c_cc[VTIME] = 0;
  if (cfsetispeed(&options, speed) != 0 || cfsetospeed(&options, speed) != 0) return Failed("cfsetspeed", port->Path);
  if (tcsetattr(port->Fd, TCSANOW, &options) != 0) return Failed("tcsetattr", port->Path);
  return SetModemLine(*port, TIOCM_DTR, settings.DtrOn) && SetModemLine(*port, TIOCM_RTS, settings.RtsOn);
}

bool SetComTimeouts(TComHandle port, const TComTimeouts& timeouts) {
  if (!port) return false;
  if (TotalTimeout(timeouts.ReadTotalMultiplier, timeouts.ReadTotalConstant, ComMaxTransfer) > INT_MAX ||
      TotalTimeout(timeouts.WriteTotalMultiplier, timeouts.WriteTotalConstant, ComMaxTransfer) > INT_MAX) {
    qCInfo(lcSerial, "time-outs for %s too long for one wait", port->Path.c_str());
    return false;
  }
  port->Timeouts = timeouts;
  return true;
}

bool ReadComPort(TComHandle port, std::uint8_t* buffer, std::uint32_t size, std::uint32_t& count) {
  count = 0;
  if (!port || size > ComMaxTransfer) return false;
  const auto wait = std::chrono::milliseconds(
      TotalTimeout(port->Timeouts.ReadTotalMultiplier, port->Timeouts.ReadTotalConstant, size));
  const Clock::time_point deadline = Clock::now() + wait;
  pollfd watch{port->Fd, POLLIN, 0};
  for (;;) {
    const int ready = poll(&watch, 1, MillisecondsLeft(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return ready == 0;
    const ssize_t got = read(port->Fd, buffer, size);
    if (got > 0) {
      count = static_cast<std::uint32_t>(got);
      return true;
    }
    const bool gone = got == 0 || (errno != EAGAIN && errno != EINTR) || (watch.revents & (POLLHUP | POLLERR | POLLNVAL));
    if (gone) {
      // Serve the wait, so that a caller that loops does not spin.
      std::this_thread::sleep_until(deadline);
      return false;
    }
  }
}

bool WriteComPort(TComHandle port, const std::uint8_t* bytes, std::uint32_t size, std::uint32_t& count) {
  count = 0;
  if (!port || size > ComMaxTransfer) return false;
  const auto wait = std::chrono::milliseconds(
      TotalTimeout(port->Timeouts.WriteTotalMultiplier, port->Timeouts.WriteTotalConstant, size));
  const Clock::time_point deadline = Clock::now() + wait;
  pollfd watch{port->Fd, POLLOUT, 0};
  while (count < size) {
    const ssize_t put = write(port->Fd, bytes + count, size - count);
    if (put > 0) {
      count += static_cast<std::uint32_t>(put);
      continue;
    }
    if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
    const int left = MillisecondsLeft(deadline);
    if (left == 0) return false;
    if (poll(&watch, 1, left) < 0 && errno != EINTR) return false;
  }
  return true;
}
