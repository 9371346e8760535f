#pragma once
// Choosing a new question file with the open-file dialog.

#include <cstdint>

#include "app/module.h"
#include "forms/dialogs.h"
#include "forms/platform.h"

namespace kx {

// The longest path, in code page 932 bytes, that the settings file and the
// dialog's 256-byte buffer hold.
inline constexpr std::size_t kMaxPathBytes = 255;

// The dialog as the program opens it: question files offered first, the
// current file (or the program folder while none is set) to start from.
OpenFileRequest MakeOpenFileRequest(const StringTable& strings, const basRuvoZava& module);

enum class FileLengthVerdict {
  kAccepted,   // whole records, 0 included
  kOldFormat,  // whole records of an older size
  kUnusable,
};
FileLengthVerdict JudgeFileLength(std::uint64_t length);

// Opens the dialog until the user picks a file of whole records or cancels,
// refusing every other choice with a message. Afterwards QuestionFilePath
// holds the accepted path, or is empty after a cancel; a refused path is
// never left there. Paths that code page 932 cannot write, or that take more
// than kMaxPathBytes bytes in it, are refused: the settings file could not
// name them again.
void SelectQuestionFile(const Platform& platform, basRuvoZava& module);

}  // namespace kx
