#pragma once
// The class library's exception classes.
#include <exception>
#include <string>

#include "text_naming_file.h"

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Raised for a file that cannot be read or written: the message quotes the
// file's name, which keeps the file system's bytes.
class EFileError : public Exception {
 public:
  explicit EFileError(TTextNamingFile message) : Exception(message.Text()), message_(std::move(message)) {}
  const TTextNamingFile& NamingFile() const { return message_; }

 private:
  TTextNamingFile message_;
};

// Raised by the integer conversion for a text that is not a number.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};
