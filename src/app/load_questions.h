#pragma once
// The module's records, read from the file QuestionFilePath names.

#include "app/module.h"
#include "forms/platform.h"

namespace kx {

// Replaces the module's Questions with the file's records. True when the
// file was read (also when it held no whole record and the built-in sample
// record stands in); false when opening or reading failed, after the message
// has been shown and the sample record installed. Afterwards every pick the
// ticker can make lies inside the records. QuestionFilePath must not be
// empty and is left unchanged.
bool LoadQuestions(const Platform& platform, basRuvoZava& module);

}  // namespace kx
