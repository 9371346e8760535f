#pragma once
// Loading the question file named by the module's QuestionFilePath.

#include "app/module.h"
#include "forms/platform.h"

namespace kx {

// Replaces the module's Questions and QuestionCount with the file's lines.
// True when the file was read (also when it held no usable line and the
// built-in sample record stands in); false when opening or reading failed,
// after the message has been shown and the sample record installed. A file
// too large to hold is a read failure, never an exception. Afterwards
// Questions.size() == QuestionCount + 1 and QuestionCount >= 0, whatever
// happened. QuestionFilePath must not be empty and is left unchanged.
bool LoadQuestions(const Platform& platform, basRuvoZava& module);

}  // namespace kx
