#pragma once
// What the open-file dialog offers and which chosen files the program takes.

#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/dialogs.h"
#include "forms/files.h"
#include "forms/string_table.h"

namespace kx {

// The dialog as the program opens it: question files offered first,
// starting from `currentFile`, or from `programFolder` while none is set.
OpenFileRequest MakeOpenFileRequest(const StringTable& strings, std::u16string_view currentFile,
                                    std::u16string_view programFolder);

enum class FileLengthVerdict {
  kAccepted,   // whole records, 0 included
  kOldFormat,  // whole records of an older size
  kUnusable,
};
FileLengthVerdict JudgeFileLength(std::uint64_t length);

// The message refusing a chosen file; nothing when it is accepted. A path
// that the settings file could not name again (no code page 932 form, or too
// long) is refused like a file of the wrong length.
std::optional<StringId> RefusalOf(Files& files, std::u16string_view path);

}  // namespace kx
