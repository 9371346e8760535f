#include "settings/settings.h"

#include <algorithm>

#include "settings/profile.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/spaces.h"

namespace kx {
namespace {

constexpr std::string_view kScrollSection = "SCROLL";
constexpr std::string_view kSpeedKey = "SPEED";
constexpr std::string_view kColorSection = "COLOR";
constexpr std::string_view kQuestionKey = "QUESTION";
constexpr std::string_view kAnswerKey = "ANSWER";
constexpr std::string_view kFilePathSection = "FilePath";
constexpr std::string_view kFileKey = "KX_FILE";

template <typename T>
T ValueOrDefault(T saved, T defaultValue, T last) {
  if (saved == kNotSet) return defaultValue;
  return std::clamp(saved, T{0}, last);
}

}  // namespace

Settings LoadSettings(Files& files, std::u16string_view iniPath) {
  const auto ini = LoadIniFile(files, iniPath).value_or(IniFile());
  Settings settings;
  // The platform's integer is narrowed to its low 16 bits, taken as signed.
  settings.SpeedSaved = static_cast<std::int16_t>(
      static_cast<std::uint16_t>(ini.ReadInt(kScrollSection, kSpeedKey, kNotSet) & 0xFFFF));
  settings.QuestionColorSaved = ini.ReadInt(kColorSection, kQuestionKey, kNotSet);
  settings.AnswerColorSaved = ini.ReadInt(kColorSection, kAnswerKey, kNotSet);

  settings.SpeedLevel = ValueOrDefault(settings.SpeedSaved, kDefaultSpeed, kSlowestSpeed);
  settings.QuestionColor =
      ValueOrDefault(settings.QuestionColorSaved, kDefaultQuestionColor, kLastColor);
  settings.AnswerColor = ValueOrDefault(settings.AnswerColorSaved, kDefaultAnswerColor, kLastColor);
  return settings;
}

void SaveSettings(Files& files, std::u16string_view iniPath, Settings& settings) {
  const bool speedChanged = settings.SpeedLevel != settings.SpeedSaved;
  const bool questionChanged = settings.QuestionColor != settings.QuestionColorSaved;
  const bool answerChanged = settings.AnswerColor != settings.AnswerColorSaved;
  if (!speedChanged && !questionChanged && !answerChanged) return;

  auto ini = LoadIniFile(files, iniPath);
  if (!ini) return;
  if (speedChanged) {
    (void)ini->WriteString(kScrollSection, kSpeedKey, std::to_string(settings.SpeedLevel));
  }
  if (questionChanged) {
    (void)ini->WriteString(kColorSection, kQuestionKey, std::to_string(settings.QuestionColor));
  }
  if (answerChanged) {
    (void)ini->WriteString(kColorSection, kAnswerKey, std::to_string(settings.AnswerColor));
  }
  if (!files.ReplaceWhole(iniPath, ini->Bytes())) return;
  settings.SpeedSaved = settings.SpeedLevel;
  settings.QuestionColorSaved = settings.QuestionColor;
  settings.AnswerColorSaved = settings.AnswerColor;
}

int TimerIntervalOf(const Settings& settings) { return (settings.SpeedLevel + 1) * 50; }

std::u16string ReadQuestionFilePath(Files& files, std::u16string_view iniPath) {
  const auto value = ReadProfileString(files, iniPath, kFilePathSection, kFileKey);
  if (!value) return {};
  return CutAtNul(DecodeCp932(CutBetweenCp932Characters(*value, kMaxPathBytes)));
}

bool WriteQuestionFilePath(Files& files, std::u16string_view iniPath, std::u16string_view path) {
  const auto bytes = EncodeCp932(path);
  if (!bytes) return false;
  return WriteProfileString(files, iniPath, kFilePathSection, kFileKey, *bytes);
}

}  // namespace kx
