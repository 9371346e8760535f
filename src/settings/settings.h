#pragma once
// The program's settings and the rules for keeping them in "KXT.ini":
// SCROLL/SPEED, COLOR/QUESTION, COLOR/ANSWER and FilePath/KX_FILE.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/files.h"

namespace kx {

// What a saved copy holds while its key is not in the file; no valid value
// is 9, so the first save always writes such a key.
inline constexpr std::int32_t kNotSet = 9;

// Speed levels: 0 fastest to 2 slowest; ticks of 50, 100 and 150 ms.
inline constexpr std::int16_t kSlowestSpeed = 2;
inline constexpr std::int16_t kDefaultSpeed = 1;
// Colours: indices into the ticker's ColorTable.
inline constexpr std::int32_t kColorCount = 4;
inline constexpr std::int32_t kLastColor = kColorCount - 1;
inline constexpr std::int32_t kDefaultQuestionColor = 0;
inline constexpr std::int32_t kDefaultAnswerColor = 1;

struct Settings {
  std::int16_t SpeedLevel = kDefaultSpeed;
  std::int32_t QuestionColor = kDefaultQuestionColor;
  std::int32_t AnswerColor = kDefaultAnswerColor;
  // As last read from or written to the file, kNotSet when missing there.
  std::int16_t SpeedSaved = kNotSet;
  std::int32_t QuestionColorSaved = kNotSet;
  std::int32_t AnswerColorSaved = kNotSet;
};

// Reads speed and colours. Values outside their ranges, which only a
// hand-edited file holds, are clamped into them; the saved copies keep what
// the file holds, so the next save writes the clamped value back.
Settings LoadSettings(Files& files, std::u16string_view iniPath);

// Writes each value that differs from its saved copy, then takes it as
// saved. When the file cannot be written the saved copies stay as they
// were, so the next save tries again.
void SaveSettings(Files& files, std::u16string_view iniPath, Settings& settings);

// The ticker's timer interval in milliseconds.
int TimerIntervalOf(const Settings& settings);

// The question file path (UTF-16): at most 255 code page 932 bytes of the
// stored value, never half a double-byte character, without spaces at its
// ends. Empty when none is stored.
std::u16string ReadQuestionFilePath(Files& files, std::u16string_view iniPath);

// Stores the path; false when it was not stored (a character without a code
// page 932 form, or the file could not be written).
bool WriteQuestionFilePath(Files& files, std::u16string_view iniPath, std::u16string_view path);

}  // namespace kx
