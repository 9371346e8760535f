#include "questions/file_choice.h"

#include <algorithm>

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

}  // namespace

OpenFileRequest MakeOpenFileRequest(const StringTable& strings, std::u16string_view currentFile,
                                    std::u16string_view programFolder) {
  OpenFileRequest request;
  request.filter = strings.Text(StringId::kOpenFilter);
  std::replace(request.filter.begin(), request.filter.end(), u',', u'\0');
  request.filter.append(2, u'\0');
  request.initialDir = currentFile.empty() ? programFolder : currentFile;
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

std::optional<StringId> RefusalOf(Files& files, std::u16string_view path) {
  if (!IsStorablePath(path)) return StringId::kFileUnusable;
  const std::optional<std::uint64_t> length = files.Length(path);
  if (!length) return StringId::kFileUnusable;
  switch (JudgeFileLength(*length)) {
    case FileLengthVerdict::kAccepted: return std::nullopt;
    case FileLengthVerdict::kOldFormat: return StringId::kOldFileUnusable;
    case FileLengthVerdict::kUnusable: return StringId::kFileUnusable;
  }
  return StringId::kFileUnusable;
}

}  // namespace kx
