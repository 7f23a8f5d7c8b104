#pragma once
// The encoder's refusal messages and the names its messages give to the
// text settings.
#include <cstddef>
#include <string>

enum class Message {
#define MESSAGE(id, text) id,
#include "encoder_messages.def"
#undef MESSAGE
};

enum class Subject {
#define SUBJECT(id, wording) id,
#include "encoder_subjects.def"
#undef SUBJECT
};

// The message of record `record` (1 for a setting that is not repeated).
std::string MessageText(Message message, int record = 1);
// "<subject> - too long (max N characters)."
std::string TooLongText(Subject subject, int record, std::size_t maxCharacters);
// "<subject> - forbidden characters."
std::string ForbiddenCharactersText(Subject subject, int record);
