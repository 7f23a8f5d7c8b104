#include "log_capture.h"

#include <QLoggingCategory>
#include <QtGlobal>
#include <mutex>

namespace {
std::mutex capturedMutex;
std::vector<std::string> captured;
QtMessageHandler previousHandler = nullptr;

void CaptureMessage(QtMsgType, const QMessageLogContext& context, const QString& message) {
  std::lock_guard lock(capturedMutex);
  captured.push_back(std::string(context.category ? context.category : "default") + ": " +
                     message.toStdString());
}
}  // namespace

LogCapture::LogCapture(const char* rules) {
  {
    std::lock_guard lock(capturedMutex);
    captured.clear();
  }
  previousHandler = qInstallMessageHandler(CaptureMessage);
  QLoggingCategory::setFilterRules(QString::fromLatin1(rules));
}

LogCapture::~LogCapture() {
  QLoggingCategory::setFilterRules(QString());
  qInstallMessageHandler(previousHandler);
}

std::vector<std::string> LogCapture::Lines() const {
  std::lock_guard lock(capturedMutex);
  return captured;
}

std::vector<std::string> LogCapture::Lines(const std::string& category) const {
  const std::string prefix = category + ": ";
  std::vector<std::string> lines;
  for (const std::string& line : Lines())
    if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line.substr(prefix.size()));
  return lines;
}

bool LogCapture::Has(const std::string& category, std::initializer_list<std::string> fragments) const {
  for (const std::string& line : Lines(category)) {
    bool all = true;
    for (const std::string& fragment : fragments) all = all && line.find(fragment) != std::string::npos;
    if (all) return true;
  }
  return false;
}
