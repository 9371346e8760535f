#pragma once
// Which question file the program starts with.

#include <string>
#include <string_view>

#include "app/module.h"
#include "forms/files.h"

namespace kx {

// The quiz the download puts beside the program.
inline constexpr std::u16string_view kBundledQuizName = u"bundled.kxd";

// The stored path, read as at every start. Only when there is no settings
// file at all (a fresh unpack) and the bundled quiz lies beside the program,
// that quiz, stored as if the user had chosen it: later starts keep to it
// even once the settings window has written its keys.
std::u16string QuestionFilePathAtStart(Files& files, const basRuvoZava& module);

}  // namespace kx
