#include "encoder_messages.h"

namespace {

const char* const MessageTexts[] = {
#define MESSAGE(id, text) text,
#include "encoder_messages.def"
#undef MESSAGE
};

const char* const SubjectWordings[] = {
#define SUBJECT(id, wording) wording,
#include "encoder_subjects.def"
#undef SUBJECT
};

// The text with the record number in place of its first 1.
std::string Numbered(const char* text, int record) {
  std::string result = text;
  const std::size_t one = result.find('1');
  if (record != 1 && one != std::string::npos) result.replace(one, 1, std::to_string(record));
  return result;
}

}  // namespace

std::string MessageText(Message message, int record) {
  return Numbered(MessageTexts[static_cast<int>(message)], record);
}

std::string TooLongText(Subject subject, int record, std::size_t maxCharacters) {
  return Numbered(SubjectWordings[static_cast<int>(subject)], record) + " - too long (max " +
         std::to_string(maxCharacters) + " characters).";
}

std::string ForbiddenCharactersText(Subject subject, int record) {
  return Numbered(SubjectWordings[static_cast<int>(subject)], record) + " - forbidden characters.";
}
