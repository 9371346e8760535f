#pragma once
// Choosing a new question file with the open-file dialog.

#include "app/module.h"
#include "forms/platform.h"

namespace kx {

// Opens the dialog until the user picks a file of whole records or cancels,
// refusing every other choice with a message. Afterwards QuestionFilePath
// holds the accepted path, or is empty after a cancel; a refused path is
// never left there.
void SelectQuestionFile(const Platform& platform, basRuvoZava& module);

}  // namespace kx
