#include <sys/stat.h>

#include <cstdlib>

#include "com_port.h"

std::string DosDevicesFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config) return std::string(config) + "/pelnor/dosdevices";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config/pelnor/dosdevices";
}

std::string ComPortDevicePath(const std::string& name) {
  if (name.size() != 4 || name.compare(0, 3, "COM") != 0 || name[3] < '1' || name[3] > '9') return {};
  const std::string link = DosDevicesFolder() + "/com" + name[3];
  struct stat info;
  if (lstat(link.c_str(), &info) == 0) return link;
  return std::string("/dev/ttyS") + static_cast<char>(name[3] - 1);
}
