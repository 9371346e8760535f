#pragma once
// A temporary program folder for the soak: a question file of generated
// records and a settings file (fastest speed) that names it. The folder and
// everything in it go when the owner does.

#include <filesystem>
#include <string>

namespace kx::soak {

class QuizFolder {
 public:
  // `records` records of mixed full-width and half-width text.
  explicit QuizFolder(int records);
  QuizFolder(const QuizFolder&) = delete;
  QuizFolder& operator=(const QuizFolder&) = delete;
  ~QuizFolder();

  // False when the folder or its files could not be written.
  bool Ready() const { return ready_; }
  // The folder as the program's own folder, with a trailing backslash.
  std::u16string Folder() const;
  const std::filesystem::path& QuestionFile() const { return questionFile_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path questionFile_;
  bool ready_ = false;
};

}  // namespace kx::soak
