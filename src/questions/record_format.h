#pragma once
// The question file's record layout and the byte-exact field cutting shared
// by the ticker and the kxd tool. "Bytes" are code page 932; "text" is UTF-16.
//
//   bytes 1-288    question, left-aligned, padded with spaces
//   bytes 289-348  answer, left-aligned, padded with spaces
//   byte  349      not read (any single-byte character)
//   bytes 350-351  CR LF

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

inline constexpr int kRecordSize = 351;
inline constexpr int kQuestionBytes = 288;
inline constexpr int kAnswerPosition = 289;  // 1-based
inline constexpr int kAnswerBytes = 60;
inline constexpr int kLineBytes = 349;  // a record without its CR LF
// Record sizes of the two older formats, refused with a message of their own.
inline constexpr int kOldRecordSizes[] = {211, 279};

// Removes trailing spaces (U+0020), then converts to code page 932. A
// character without a code page 932 form becomes "?", as the platform's
// converter writes it.
std::string ToAnsiTrimmed(std::u16string_view text);

// count 0: the first `position` bytes. Otherwise `count` bytes from 1-based
// byte `position` (fewer where the bytes end; none past the end). The field
// is converted to text and ordinary spaces (U+0020) are removed at both
// ends. The ideographic space U+3000 is text: a writer may indent with it.
std::u16string AnsiField(std::string_view bytes, std::int16_t position, std::int16_t count);

// The question and answer of one record line (code page 932, without CR LF):
// bytes 1-288 and bytes 289-348, trimmed. Byte 349 never belongs to either.
// The same as ToAnsiTrimmed of the decoded line followed by AnsiField, without
// the round trip through UTF-16.
std::u16string QuestionOf(std::string_view line);
std::u16string AnswerOf(std::string_view line);

}  // namespace kx
