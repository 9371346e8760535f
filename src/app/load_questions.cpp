#include "app/load_questions.h"

#include <cassert>
#include <optional>
#include <utility>

#include "app/messages.h"

namespace kx {

bool LoadQuestions(const Platform& platform, basRuvoZava& module) {
  assert(!module.QuestionFilePath.empty() && "LoadQuestions needs a question file path");
  // Both outcomes replace the old records, so let them go before the read:
  // the old and the new file are never held at once.
  module.Questions = QuestionSet();

  std::optional<QuestionSet> read = ReadQuestionSet(platform.files, module.QuestionFilePath);
  const bool wasRead = read.has_value();
  if (wasRead && read->count > 0) {
    module.Questions = *std::move(read);
    return true;
  }
  read.reset();  // a file without a whole record is not kept beside the sample
  // The sample goes in before the modal box, whose message loop must never
  // find the records empty.
  module.Questions = SampleQuestionSet(platform.strings.Text(StringId::kSampleRecord));
  if (!wasRead) {
    (void)ShowResMessage(platform.strings, platform.dialogs, kErrorMessage,
                         StringId::kFileErrorTitle, StringId::kFileMissing,
                         StringId::kSpecifyFileAgain);
  }
  return wasRead;
}

}  // namespace kx
