#include "questions/select_question_file.h"

#include <algorithm>
#include <optional>

#include "app/messages.h"
#include "questions/record_format.h"
#include "text/cp932.h"

namespace kx {
namespace {

// 0x81806: explorer style, the file and its path must exist, no read-only
// box, overwrite prompt.
constexpr std::uint32_t kOpenFileFlags = 0x00081806;

bool IsMultipleOf(std::uint64_t length, int size) {
  return length % static_cast<std::uint64_t>(size) == 0;
}

bool FitsTheSettingsFile(std::u16string_view path) {
  const std::optional<std::string> bytes = EncodeCp932(path);
  return bytes && bytes->size() <= kMaxPathBytes;
}

// The message for a refused choice; nothing when it is accepted.
std::optional<StringId> RefusalOf(Files& files, std::u16string_view path) {
  if (!FitsTheSettingsFile(path)) return StringId::kFileUnusable;
  const std::optional<std::uint64_t> length = files.Length(path);
  if (!length) return StringId::kFileUnusable;
  switch (JudgeFileLength(*length)) {
    case FileLengthVerdict::kAccepted:
      return std::nullopt;
    case FileLengthVerdict::kOldFormat:
      return StringId::kOldFileUnusable;
    case FileLengthVerdict::kUnusable:
      return StringId::kFileUnusable;
  }
  return StringId::kFileUnusable;
}

}  // namespace

OpenFileRequest MakeOpenFileRequest(const StringTable& strings, const basRuvoZava& module) {
  OpenFileRequest request;
  request.filter = strings.Text(StringId::kOpenFilter);
  std::replace(request.filter.begin(), request.filter.end(), u',', u'\0');
  request.filter.append(2, u'\0');
  request.filterIndex = 1;
  request.initialDir = module.QuestionFilePath.empty() ? module.AppPath : module.QuestionFilePath;
  request.title = strings.Text(StringId::kOpenTitle);
  request.flags = kOpenFileFlags;
  return request;
}

FileLengthVerdict JudgeFileLength(std::uint64_t length) {
  if (IsMultipleOf(length, kRecordSize)) return FileLengthVerdict::kAccepted;
  if (std::any_of(std::begin(kOldRecordSizes), std::end(kOldRecordSizes),
                  [length](int size) { return IsMultipleOf(length, size); })) {
    return FileLengthVerdict::kOldFormat;
  }
  return FileLengthVerdict::kUnusable;
}

void SelectQuestionFile(const Platform& platform, basRuvoZava& module) {
  for (;;) {
    const std::optional<std::u16string> chosen =
        platform.dialogs.OpenFile(MakeOpenFileRequest(platform.strings, module));
    if (!chosen) {
      module.QuestionFilePath.clear();
      return;
    }
    module.QuestionFilePath = CutAtNul(*chosen);
    const std::optional<StringId> refusal = RefusalOf(platform.files, module.QuestionFilePath);
    if (!refusal) return;
    // Emptied before the message, so the dialog starts again from AppPath.
    module.QuestionFilePath.clear();
    (void)ShowResMessage(platform.strings, platform.dialogs, kErrorMessage,
                         StringId::kFileErrorTitle, *refusal, StringId::kSpecifyFileAgain);
  }
}

}  // namespace kx
