#pragma once
// Every text kxd shows, in English and in Japanese. Each message is one entry
// holding both texts, so none can exist in one language only. {1}, {2}, ...
// stand for what is the same in both: numbers, file names, characters.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kx {

enum class Language { kEnglish, kJapanese };

enum class Msg {
  kUsage,
  kTryHelp,
  kPressAKey,
  kVersion,
  kNeedsFileName,
  kEncodingTakes,
  kFieldsTakes,
  kLangTakes,
  kUnknownOption,
  kUnknownCommand,
  kBuildTakesOneInput,
  kBuildNeedsOutput,
  kCheckNeedsFile,
  kDumpTakesOneFile,
  kCannotBeRead,
  kCannotBeWritten,
  kReadAs,
  kReadAsAlsoCp932,
  kEncodingUtf8,
  kEncodingUtf16,
  kEncodingCp932,
  kAtLine,
  kRowSkipped,
  kRowsSkipped,
  kProblemNotWritten,
  kProblemsNotWritten,
  kQuestionWritten,
  kQuestionsWritten,
  kWriteTheRowsThatFit,
  kNoCompleteRecord,
  kNoProblemsFound,
  kQuestion,
  kAnswer,
  kLineBreak,
  kControlCharacter,
  kNoCp932Form,
  kNoCp932FormWriteInstead,
  kEntityNoCp932Form,
  kNotCp932Byte,
  kInvalidUtf8,
  kExpectedFields,
  kExpectedTwoFields,
  kOnlyMarkup,
  kEmptyField,
  kTooLong,
  kNoQuestions,
  kQuoteNeverClosed,
  kQuoteNeverClosedLines,
  kTextAfterQuote,
  kHalfSurrogate,
  kHalfUtf16AtEnd,
  kUnknownSeparator,
  kNoColumnNumber,
  kAtRecord,
  kNotCrLf,
  kCrLfSplits,
  kByte349,
  kEmpty,
  kCutCharacter,
  kNoCp932Character,
  kBytesAt,
  kByteAt,
  kControlByte,
  kAndMore,
  kFileEmpty,
  kLengthNotMultiple,
  kOlderRecordSize,
  kCutShort,
  kCount
};

struct MessageTexts {
  Msg id;
  std::string_view english;
  std::string_view japanese;
};

// The whole table, in the order of Msg.
std::span<const MessageTexts> AllMessages();

// The message in `language`, {N} replaced by the Nth of `args` (UTF-8).
std::string Text(Language language, Msg id, std::initializer_list<std::string_view> args = {});

// "ja" or "en", as --lang takes them.
std::optional<Language> ParseLanguageName(std::string_view name);

// The language a locale name such as "ja_JP.UTF-8" is in: Japanese for ja*.
Language LanguageOfLocale(std::string_view locale);

}  // namespace kx
