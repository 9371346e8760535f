#include "app/question_file_at_start.h"

#include "settings/settings.h"
#include "text/cp932.h"

namespace kx {

std::u16string QuestionFilePathAtStart(Files& files, const basRuvoZava& module) {
  // Any settings file is the user's, even one without a path.
  if (files.Length(module.IniPath)) return ReadQuestionFilePath(files, module.IniPath);
  std::u16string bundled = module.AppPath + std::u16string(kBundledQuizName);
  if (!files.IsExistingFile(bundled)) return {};
  // A path the settings file could not name again serves this run only; the
  // next start finds the folder fresh again.
  if (IsStorablePath(bundled)) (void)WriteQuestionFilePath(files, module.IniPath, bundled);
  return bundled;
}

}  // namespace kx
