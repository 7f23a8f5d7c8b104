#pragma once
// Notes in the pelnor.serial log a command that the device leaves
// unanswered. Does nothing while that category is off.
#include <chrono>
#include <cstdint>

inline constexpr std::chrono::seconds NoAnswerWait{1};

class TReplyWatch {
 public:
  // command names what went out, for instance "configuration read request".
  void Sent(const char* command, std::uint32_t page);
  void Answered();
  // Logs once when the command last sent has waited longer than NoAnswerWait.
  void Check();

 private:
  const char* command_ = nullptr;
  std::uint32_t page_ = 0;
  std::chrono::steady_clock::time_point sentAt_;
};
