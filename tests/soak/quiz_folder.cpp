#include "soak/quiz_folder.h"

#include "win32/windows_api.h"

#include <fstream>
#include <optional>
#include <system_error>

#include "questions/record_format.h"
#include "text/cp932.h"

namespace kx::soak {
namespace {

// Full-width and half-width characters in both fields, so the glyph widths
// and the feed arithmetic vary from record to record.
std::optional<std::string> MakeRecord(int number) {
  const std::u16string digits = u"0123456789";
  std::u16string index;
  for (int rest = number; rest > 0 || index.empty(); rest /= 10) {
    index.insert(index.begin(), digits[static_cast<std::size_t>(rest % 10)]);
  }
  const auto question = EncodeCp932(u"問" + index + u"：日本で一番高い山は？ (Mt.)");
  const auto answer = EncodeCp932(u"富士山 " + index);
  if (!question || !answer) return std::nullopt;
  std::string record = *question;
  record.resize(kQuestionBytes, ' ');
  record += *answer;
  record.resize(kQuestionBytes + kAnswerBytes, ' ');
  record += " \r\n";
  return record;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

QuizFolder::QuizFolder(int records) {
  std::error_code error;
  folder_ = std::filesystem::temp_directory_path(error) /
            ("kx-soak-" + std::to_string(GetCurrentProcessId()));
  if (error || !std::filesystem::create_directories(folder_, error)) return;
  questionFile_ = folder_ / "soak.kxd";

  std::string quiz;
  for (int i = 1; i <= records; ++i) {
    const auto record = MakeRecord(i);
    if (!record) return;
    quiz += *record;
  }
  const auto path = EncodeCp932(questionFile_.u16string());
  if (!path) return;
  // Speed 0: the fastest interval, as a long run at the top speed would be.
  const std::string settings =
      "[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nQUESTION=0\r\nANSWER=1\r\n"
      "[FilePath]\r\nKX_FILE=" +
      *path + "\r\n";
  ready_ = WriteFile(questionFile_, quiz) && WriteFile(folder_ / "KXT.ini", settings);
}

QuizFolder::~QuizFolder() {
  if (folder_.empty()) return;
  std::error_code ignored;
  (void)std::filesystem::remove_all(folder_, ignored);
}

std::u16string QuizFolder::Folder() const { return folder_.u16string() + u"\\"; }

}  // namespace kx::soak
