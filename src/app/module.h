#pragma once
// basRuvoZava: the module-level values that live for the whole run, and the
// start-up procedure Main that sets them.

#include <cstdint>
#include <functional>
#include <string>

#include "forms/platform.h"
#include "forms/screen_units.h"
#include "questions/question_set.h"

namespace kx {

struct basRuvoZava {
  std::u16string AppTitle;
  std::u16string AppPath;  // always ends in a backslash
  std::u16string IniPath;
  std::u16string VersionTitle;
  int TwipsPerPixelX = kDesignTwipsPerPixel;
  int TwipsPerPixelY = kDesignTwipsPerPixel;
  // What the window and the tray icon are drawn at.
  DisplayScale Scale;
  // Empty: no question file chosen.
  std::u16string QuestionFilePath;
  // QuestionLines and QuestionCount, replaced only by LoadQuestions.
  QuestionSet Questions;
};

// The program folder with exactly one trailing backslash.
std::u16string WithTrailingBackslash(std::u16string folder);

// "KX_RuvoZava Version 1.0 Level 15" for version 1.15.
std::u16string MakeVersionTitle(const StringTable& strings, const std::u16string& appTitle,
                                ProgramVersion version);

// TwipsPerPixelX, TwipsPerPixelY and Scale for a screen of these metrics.
void SetScreenUnits(basRuvoZava& module, const ScreenMetrics& screen);

// Refuses a second copy (a warning, then false) or sets the module values and
// calls `loadForm`, which creates the hidden window and runs its Form_Load.
bool Main(const Platform& platform, basRuvoZava& module, const std::function<void()>& loadForm);

}  // namespace kx
