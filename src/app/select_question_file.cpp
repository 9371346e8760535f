#include "app/select_question_file.h"

#include <optional>

#include "app/messages.h"
#include "questions/file_choice.h"
#include "text/spaces.h"

namespace kx {

void SelectQuestionFile(const Platform& platform, basRuvoZava& module) {
  for (;;) {
    const std::optional<std::u16string> chosen = platform.dialogs.OpenFile(
        MakeOpenFileRequest(platform.strings, module.QuestionFilePath, module.AppPath));
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
