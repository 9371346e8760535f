#include "questions/question_loader.h"

#include <cassert>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "app/messages.h"
#include "text/cp932.h"

namespace kx {
namespace {

QuestionLines SampleRecord(const StringTable& strings) {
  auto bytes = EncodeCp932(strings.Text(StringId::kSampleRecord));
  assert(bytes && "the sample record must be code page 932 text");
  return QuestionLines::SingleLine(bytes ? *std::move(bytes) : std::string());
}

// The file's lines, or nothing when it cannot be read or held.
std::optional<QuestionLines> ReadLines(Files& files, std::u16string_view path) {
  try {
    std::optional<std::string> bytes = files.ReadWhole(path);
    if (!bytes || !QuestionLines::CanHold(bytes->size())) return std::nullopt;
    return QuestionLines::FromBytes(*std::move(bytes));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

}  // namespace

bool LoadQuestions(const Platform& platform, basRuvoZava& module) {
  assert(!module.QuestionFilePath.empty() && "LoadQuestions needs a question file path");
  // Both outcomes replace the old records, so let them go before the read:
  // the old and the new file are never held at once.
  module.Questions = QuestionLines();
  module.QuestionCount = 0;

  std::optional<QuestionLines> lines = ReadLines(platform.files, module.QuestionFilePath);
  const bool read = lines.has_value();
  if (read && lines->size() > 1) {
    module.Questions = *std::move(lines);
    module.QuestionCount = static_cast<std::int32_t>(module.Questions.size() - 1);
    return true;
  }
  lines.reset();  // a file without a line end is not kept beside the sample
  // The sample goes in before the modal box, whose message loop must never
  // find the records empty.
  module.Questions = SampleRecord(platform.strings);
  module.QuestionCount = 0;
  if (!read) {
    (void)ShowResMessage(platform.strings, platform.dialogs, kErrorMessage,
                         StringId::kFileErrorTitle, StringId::kFileMissing,
                         StringId::kSpecifyFileAgain);
  }
  return read;
}

}  // namespace kx
