// The form: start-up, the tray's notifications and icon, Exit, a restarted
// shell, the Load file command, the settings window's presses, drags,
// closing click and link, and the ticker's rest while nobody sees the tray.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/form.h"
#include "app/module.h"
#include "app/question_file_at_start.h"
#include "app/select_question_file.h"
#include "fake/fake_platform.h"
#include "questions/file_choice.h"
#include "settings/settings.h"
#include "unit/question_test_records.h"
#include "window/settings_pictures.h"

namespace kx {
namespace {

using testing::Record;
using namespace std::string_literals;

const std::u16string kQuiz = u"C:\\KX\\q.kxd";
const std::u16string kPleaseLoad = u"Fileを読み込んで下さい。";
const std::u16string kProgramFolder = u"C:\\Program Files\\KX\\";
const std::u16string kBundled = kProgramFolder + u"bundled.kxd";
const std::string kIni = "[FilePath]\r\nKX_FILE= C:\\KX\\q.kxd \r\n";
const std::u16string kSpecifyAgain = u"Fileを指定し直して下さい。";
const fake::FakeDialogs::Box kFileErrorBox{u"File読込Error", 16};  // MB_ICONHAND

// The program started on a screen of `dpi`, with `ini`, if any, as its
// settings file, `quiz`, if any, in q.kxd, and the bundled quiz beside the
// program.
struct Loaded {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;
  bool iconBeforeMessage = false;
  int dpi;

  explicit Loaded(int dpi_ = 96, const std::optional<std::string>& ini = kIni,
                  std::optional<std::string> quiz = Record(u"ABCD", u"XY"))
      : dpi(dpi_) {
    fake.environment.screen.dpiX = fake.environment.screen.dpiY = dpi;
    if (quiz) fake.files.contents[kQuiz] = *quiz;
    if (ini) fake.files.contents[kProgramFolder + u"KXT.ini"] = *ini;
    fake.files.contents[kBundled] = Record(u"同梱", u"答");
    fake.dialogs.onMessage = [this] { iconBeforeMessage = !fake.tray.calls.empty(); };
    fake.window.onUnload = [this] { form->Form_Unload(); };
    EXPECT_TRUE(Main(platform, module, [this] {
      form.emplace(platform, module);
      form->Form_Load();
    }));
  }
  ~Loaded() { form->Form_Unload(); }

  // The shell's notification: the message number as x pixels, in twips.
  void Notify(int message, float off = 0) {
    form->Form_MouseMove(0, 0, static_cast<float>(message * module.TwipsPerPixelX) + off, 0);
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) form->Timer1_Timer();
  }
  // Client pixels of a design point in the speed box (-1) or a colour box's
  // drawing area: at 96 dpi they start at (12, 44), (194, 40) and (194, 64).
  Point In(int box, int x, int y = 8) const {
    const int left = box < 0 ? 12 : 194, top = box < 0 ? 44 : 40 + 24 * box;
    return {(left * dpi / 96) + (x * dpi / 96), (top * dpi / 96) + (y * dpi / 96)};
  }
  void Press(Point p, int button = kLeftButton) { form->ClientMouseDown(p, button, 0); }
  void Move(Point p, int buttons = 0) { form->ClientMouseMove(p, buttons, 0); }
  void Offer(const std::u16string& path, std::string bytes) {
    fake.files.contents[path] = std::move(bytes);
    fake.dialogs.fileAnswers.emplace_back(path);
  }
  const TickerEngine& Engine() const {
    if (form->Ticker() == nullptr) throw std::logic_error("no ticker");
    return *form->Ticker();
  }
  const TrayData& Shown() const { return fake.tray.calls.back().data; }
  bool ShowsProgramIcon() { return Shown().icon == &fake.graphics.ProgramIcon(); }
  std::u16string StoredPath() { return ReadQuestionFilePath(fake.files, module.IniPath); }
};

TEST(Main, ASecondCopyOnlyWarnsAndEnds) {
  fake::FakePlatform fake;
  basRuvoZava module;
  bool loaded = false;
  fake.environment.windowTitles.insert(u"KX_RuvoZava");
  EXPECT_FALSE(Main(fake.Services(), module, [&] { loaded = true; }));
  EXPECT_FALSE(loaded);
  EXPECT_EQ(fake.dialogs.messages, std::vector<std::u16string>{u"多重起動は出来ません。"});
  EXPECT_EQ(fake.dialogs.boxes, (std::vector<fake::FakeDialogs::Box>{{u"起動Error", 48}}));
}

// Only a folder without any settings file starts with the bundled quiz.
TEST(FormLoad, StartUpVariants) {
  const std::u16string missing = u"指定されたFileは存在しません、\r\n" + kSpecifyAgain;
  const struct {
    std::optional<std::string> ini;
    std::optional<std::string> quiz;
    bool message, timer;
    std::u16string tip;
    std::int32_t count;
    int interval;
    std::u16string stored;
  } cases[] = {
      {"", std::nullopt, false, false, kPleaseLoad, 0, 100, u""},
      {std::nullopt, std::nullopt, false, true, u"KX_RuvoZava", 1, 100, kBundled},
      {kIni + "[SCROLL]\r\nSPEED=0\r\n", Record(u"問題", u"答") + Record(u"Q", u"A"), false, true,
       u"KX_RuvoZava", 2, 50, kQuiz},
      {kIni + "[SCROLL]\r\nSPEED=7\r\n", std::nullopt, true, true, kPleaseLoad, 0, 150, kQuiz},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ini.value_or("no settings file"));
    Loaded w(96, c.ini, c.quiz);
    EXPECT_EQ(w.fake.dialogs.messages, std::vector<std::u16string>(c.message, missing));
    EXPECT_EQ(w.fake.dialogs.boxes, std::vector(c.message, kFileErrorBox));
    EXPECT_EQ(w.fake.timer.Interval(), c.interval);
    EXPECT_FALSE(w.iconBeforeMessage);
    ASSERT_EQ(w.fake.tray.calls.size(), 1u);
    EXPECT_EQ(w.Shown().tip, c.tip);
    EXPECT_TRUE(w.ShowsProgramIcon());
    EXPECT_EQ(w.fake.timer.Enabled(), c.timer);
    EXPECT_EQ(w.module.Questions.count, c.count);
    EXPECT_EQ(w.StoredPath(), c.stored);
    EXPECT_EQ(w.fake.files.writes, c.ini ? 0 : 1);
    // Seeded once; no caption, 2100 twips (140 pixels) high less the 19 of the caption.
    EXPECT_TRUE(w.fake.random.seeds == 1 && w.fake.window.outerSize == (Point{286, 121}));
  }
}

// A fresh folder without the bundled quiz stays as it was; a bundled path
// too long to store is used, not stored cut short.
TEST(FormLoad, AFreshFolderStoresOnlyABundledQuizItCanNameAgain) {
  fake::FakeFiles files;
  basRuvoZava module;
  module.AppPath = u"C:\\" + std::u16string(245, u'a') + u"\\";
  module.IniPath = module.AppPath + u"KXT.ini";
  EXPECT_EQ(QuestionFilePathAtStart(files, module), u"");
  files.contents[module.AppPath + u"bundled.kxd"] = "";
  EXPECT_EQ(QuestionFilePathAtStart(files, module), module.AppPath + u"bundled.kxd");
  EXPECT_EQ(files.writes, 0);
}

// Only whole pixels that are one of the three messages act.
TEST(Tray, NotificationsSkipShowTheSettingsAndOpenThePopup) {
  Loaded w(120, kIni + "[COLOR]\r\nQUESTION=3\r\nANSWER=2\r\n");
  EXPECT_TRUE(w.module.TwipsPerPixelX == 12 && w.module.TwipsPerPixelY == 12);  // 1440 / 120
  w.Ticks(2);
  for (int message : {0x200, 0x202, 0x205, 0x206, 0x207, 0x208, 0x209, 100}) w.Notify(message);
  w.Notify(516 * 15 / 12);  // 516 at 15 twips is another number
  EXPECT_TRUE(w.fake.window.popups + w.fake.window.visible == 0 && w.form->MenuVisible());
  EXPECT_EQ(w.Engine().TrayCanvas().At(19, 5), ColorTable[3]);
  EXPECT_TRUE(w.Shown().id == 1 && w.Shown().flags == 0x17 && w.Shown().callbackMessage == 0x200);
  w.Notify(0x201);  // left button down
  w.Ticks(1);
  EXPECT_EQ(w.fake.graphics.glyphsDrawn, (std::vector<std::u16string>{u"A", u"X"}));
  EXPECT_EQ(w.Engine().TrayCanvas().At(19, 5), ColorTable[2]);
  w.Notify(0x204, 11.4f);  // right button down, a little off: still 516
  EXPECT_EQ(w.fake.window.popups, 1);
  w.Notify(0x203);  // left double click
  EXPECT_TRUE(w.fake.window.visible && !w.form->MenuVisible());
  w.Press({200, 5});
  w.form->PopUp_Click(kPopUpSettings);
  EXPECT_TRUE(w.fake.window.visible && !w.form->MenuVisible());
}

// The previous icon lives until the shell has its successor, then goes; an
// icon that cannot be built leaves the last one in the tray, and a restarted
// shell gets that one back. Exit stops the timer and removes the icon once;
// a stray tick or shell restart after it brings nothing back.
TEST(Tray, EachTickHandsTheShellOneNewIconUntilExit) {
  Loaded w;
  std::vector<int> liveAtModify;
  w.fake.tray.onModify = [&] { liveAtModify.push_back(w.fake.graphics.liveIcons); };
  w.Ticks(300);
  EXPECT_EQ(std::count(liveAtModify.begin() + 1, liveAtModify.end(), 2), 299);
  EXPECT_EQ(w.fake.graphics.liveIcons, 1);
  const auto* shown = dynamic_cast<const fake::FakeIcon*>(w.fake.tray.calls.back().data.icon);
  const TickerEngine* ticker = w.form->Ticker();
  ASSERT_TRUE(shown && ticker);
  EXPECT_EQ(shown->Picture(), ticker->Picture1());
  w.fake.graphics.failIcons = true;
  w.Ticks(3);
  w.form->TaskbarCreated();
  EXPECT_EQ(w.fake.tray.calls.size(), 302u);
  EXPECT_EQ(w.fake.tray.calls.back().data.icon, shown);
  w.fake.graphics.failIcons = false;
  w.form->PopUp_Click(kPopUpExit);
  w.form->Timer1_Timer();
  w.form->TaskbarCreated();
  EXPECT_FALSE(w.fake.timer.Enabled());
  EXPECT_EQ(w.fake.graphics.liveIcons, 0);
  EXPECT_EQ(w.fake.tray.calls.size(), 303u);
  EXPECT_EQ(w.fake.tray.calls.back().kind, "delete");
  EXPECT_EQ(w.fake.files.writes, 0);  // settings are saved by the settings window alone
}

// A new display scale while running: the window and the icon as a start at
// that scale draws them; the settings, the timer, the window's state and
// the text on its way stay. A report of the same scale changes nothing.
TEST(Display, ANewScaleRedrawsWindowAndIconAndNothingElse) {
  Loaded at144(144), w;
  w.Ticks(5);
  for (Loaded* l : {&at144, &w}) l->Press(l->In(0, 40));  // a colour picked, not yet saved
  w.Move({20, 100});                                      // the link lit
  w.fake.window.Show();
  const TickerFields was = w.Engine().Fields();
  const std::size_t calls = w.fake.tray.calls.size();
  w.form->DisplayChanged();
  EXPECT_EQ(w.fake.tray.calls.size(), calls);
  w.fake.environment.screen.dpiX = w.fake.environment.screen.dpiY = 144;
  w.fake.graphics.glyphFont = {};
  w.form->DisplayChanged();
  EXPECT_TRUE(w.fake.graphics.dpi == 144 && w.fake.window.scale == DisplayScale{144} &&
              w.fake.graphics.glyphFont.second == 11.0f);
  EXPECT_EQ(w.form->ClientPicture(), at144.form->ClientPicture());
  const auto* shown = dynamic_cast<const fake::FakeIcon*>(w.Shown().icon);
  ASSERT_TRUE(shown && w.fake.tray.calls.size() == calls + 1);
  EXPECT_EQ(shown->Picture().Width(), 24);  // the shell's small icon at 150 %
  const TickerFields& now = w.Engine().Fields();
  EXPECT_TRUE(now.TickerState == was.TickerState && now.QuestionIndex == was.QuestionIndex &&
              now.CharIndex == was.CharIndex && now.CurrentText == was.CurrentText);
  EXPECT_EQ(w.form->settings.QuestionColor, 2);
  EXPECT_TRUE(w.fake.window.visible && w.fake.timer.Enabled() && w.fake.files.writes == 0);
  EXPECT_EQ(w.fake.timer.Interval(), 100);
}

// At every scale a press lands on the level and cell it would at 100 %, and
// only the left button alone drags the knob, inside the box.
TEST(SettingsWindow, PressesAndDragsLandOnTheSameLevelAndCellAtEveryScale) {
  for (const int dpi : {96, 120, 144, 192}) {
    Loaded w(dpi);
    w.Move(w.In(-1, 100, 20), kLeftButton);  // a drag begun outside the window
    EXPECT_EQ(w.form->settings.SpeedLevel, 2) << dpi;
    const struct {
      int x, y, button, level;  // button 0: a move with the left button held
    } steps[] = {{43, 20, kLeftButton, 1}, {86, 20, kMiddleButton, 2},
                 {0, 20, kRightButton, 0}, {42, 20, kLeftButton, 0},
                 {50, 20, 0, 1},           {121, 20, 0, 1},
                 {100, 41, 0, 1},          {100, 20, 0, 2}};
    for (const auto& s : steps) {
      s.button ? w.Press(w.In(-1, s.x, s.y), s.button) : w.Move(w.In(-1, s.x, s.y), kLeftButton);
      EXPECT_EQ(w.form->settings.SpeedLevel, s.level) << dpi << " " << s.x << "," << s.y;
    }
    for (const int x : {0, 100}) w.Move(w.In(-1, x, x == 0 ? 20 : 0), kLeftButton);  // edges
    w.Move(w.In(-1, 10, 20), kLeftButton | kRightButton);
    EXPECT_EQ(w.form->settings.SpeedLevel, 2) << dpi;
    for (const auto& [x, cell] : {std::pair{15, 0}, {16, 1}, {47, 2}, {65, 3}}) {
      w.Press(w.In(0, x), kRightButton);
      EXPECT_EQ(w.form->settings.QuestionColor, cell) << dpi << " " << x;
    }
  }
}

// The window opens on the stored settings, at 200 % each design pixel
// doubled: the knob's point under its level's tick, the green frame around
// each chosen colour dot, the texts of frames, labels and speed scale; and the
// ticker moves on.
TEST(SettingsWindow, OpensOnTheStoredSettingsAndTheTickerMovesOn) {
  Loaded w(192, kIni + "[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nQUESTION=3\r\nANSWER=2\r\n");
  const auto at = [&](int x, int y) { return w.form->ClientPicture().At(x, y); };
  for (int level = 0; level <= 2; ++level) {
    EXPECT_EQ(at(2 * (16 + level * 56), 2 * 61 + 1) == kBlack, level == 0) << level;
  }
  for (int cell = 0; cell <= 3; ++cell) {
    EXPECT_EQ(at(2 * (195 + cell * 16), 2 * 41) == kColorMarkGreen, cell == 3) << cell;
    EXPECT_EQ(at(2 * (195 + cell * 16), 2 * 65) == kColorMarkGreen, cell == 2) << cell;
    EXPECT_EQ(at(2 * (202 + cell * 16), 2 * 71), ColorTable[static_cast<std::size_t>(cell)]);
  }
  const auto& texts = w.fake.graphics.textsDrawn;
  for (const std::u16string label : {u"スピード", u"色", u"問題", u"解答", u"Fast         Slow"}) {
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](auto& t) { return t.text == label; }));
  }
  w.Ticks(8);  // columns move on: the next glyph comes
  ASSERT_GE(w.fake.graphics.glyphsDrawn.size(), 2u);
  EXPECT_EQ(w.fake.graphics.glyphsDrawn[1], u"B");
}

TEST(SettingsWindow, ClosingClickSavesWhatChangedAndAppliesTheSpeed) {
  Loaded w;  // no settings yet: the first close writes all three keys
  w.form->PopUp_Click(kPopUpSettings);
  // Frames, labels, borders and the emblem do not close.
  for (const Point p : {Point{5, 30}, Point{160, 45}, Point{192, 38}, Point{5, 5}}) w.Press(p);
  EXPECT_TRUE(w.fake.window.visible);
  const int refreshes = w.fake.window.refreshes;
  w.Press(w.In(-1, 10, 20));
  w.Move(w.In(-1, 110, 20), kLeftButton);
  w.Press(w.In(1, 40));
  // Each change is drawn and shown at once: the knob at 2, the answer mark on cell 2.
  const Surface& p = w.form->ClientPicture();
  EXPECT_TRUE(p.At(16 + 2 * 56, 61) == kBlack && p.At(195 + 2 * 16, 65) == kColorMarkGreen);
  EXPECT_EQ(w.fake.window.refreshes, refreshes + 3);
  w.Press({200, 5}, kRightButton);  // the title band
  EXPECT_TRUE(!w.fake.window.visible && w.form->MenuVisible() && w.fake.timer.Enabled());
  EXPECT_EQ(w.fake.timer.Interval(), 150);
  EXPECT_EQ(
      w.fake.files.contents[w.module.IniPath],
      "[FilePath]\r\nKX_FILE= C:\\KX\\q.kxd \r\n[SCROLL]\r\nSPEED=2\r\n[COLOR]\r\nQUESTION=0\r\n"
      "ANSWER=2\r\n");
  w.Press({270, 100}, kMiddleButton);  // nothing changed since: no second write
  EXPECT_EQ(w.fake.files.writes, 1);
}

// Box i of the 129 is red 255, green 64 + i, blue i, here 34 twips wide
// (4290 twips / 128 + 1); the version in white.
TEST(SettingsWindow, TitleBandShowsTheGradientAndTheVersion) {
  Loaded w;
  for (const auto& [x, y, colour] : {std::tuple{30, 0, 0x000D4DFFu}, {279, 17, 0x007BBBFFu}})
    EXPECT_EQ(w.form->ClientPicture().At(x, y), colour) << x;
  const auto& texts = w.fake.graphics.textsDrawn;
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) {
    return t.text == u"KX_RuvoZava Version 1.0 Level 15" && t.at == Point{24, 2} &&
           t.color == 0x00FFFFFFu;
  }));
  EXPECT_EQ(w.fake.graphics.windowFont, std::pair(std::u16string(u"ＭＳ ゴシック"), 9.75f));
  EXPECT_EQ(w.fake.graphics.glyphFont, std::pair(std::u16string(u"ＭＳ ゴシック"), 11.0f));
}

// Magenta 0x00FF00FF under the pointer, from the first move on; blue
// 0x00FF0000 again at the next move over the background or tray message.
TEST(SettingsWindow, LinkOpensTheAddressAndLightsUpUnderThePointer) {
  Loaded w;
  w.Move({20, 100});
  EXPECT_EQ(w.form->ClientPicture().At(8, 96), 0x00FF00FFu);
  w.Notify(kWmMouseMove);
  EXPECT_EQ(w.form->ClientPicture().At(8, 96), 0x00FF0000u);
  w.form->ClientClick({20, 80});
  w.form->ClientClick({20, 100});
  EXPECT_EQ(w.fake.window.openedAddresses,
            std::vector<std::u16string>{u"http://www.kxquiz.example"});
  EXPECT_TRUE(w.form->ShowsHandCursor({20, 100}) && !w.form->ShowsHandCursor({20, 80}));
}

const std::u16string kChosen = u"C:\\KX\\chosen.kxd";

TEST(LoadFileCommand, AnAcceptedFileIsStoredAndRestartsOrFreezesTheTicker) {
  for (const bool readable : {true, false}) {
    Loaded w(96, readable ? "" : kIni);  // the first from a start without a file
    w.Ticks(5);  // a frozen ticker keeps its last picture, not the program icon
    w.Offer(kChosen, Record(u"新しい", u"答") + Record(u"別の", u"答"));
    if (!readable) w.fake.files.unreadable.insert(kChosen);
    w.form->PopUp_Click(kPopUpLoadFile);
    EXPECT_EQ(w.fake.dialogs.messages,
              std::vector<std::u16string>(!readable,
                                          u"指定されたFileは存在しません、\r\n" + kSpecifyAgain));
    EXPECT_EQ(w.fake.timer.Enabled(), readable);
    EXPECT_EQ(w.module.Questions.count, readable ? 2 : 0);
    EXPECT_EQ(w.Shown().tip, readable ? std::u16string(u"KX_RuvoZava") : kPleaseLoad);
    EXPECT_FALSE(w.ShowsProgramIcon());
    EXPECT_EQ(w.StoredPath(), kChosen);  // stored even when it fails to load
    if (!readable) break;
    w.Ticks(1);
    EXPECT_EQ(w.fake.graphics.glyphsDrawn.back(), u"新");
  }
}

// A refusal, then a cancel: the stored path is tested, not the refused one.
// While it exists the ticker resumes where it stopped; else the program icon.
TEST(LoadFileCommand, CancelResumesWhileTheStoredFileExistsOrShowsTheProgramIcon) {
  for (const std::string& ini :
       {kIni, std::string("[FilePath]\r\nKX_FILE=C:\\KX\\gone.kxd\r\n"), std::string()}) {
    SCOPED_TRACE(ini);
    Loaded w;
    w.Ticks(5);
    const TickerFields before = w.Engine().Fields();
    w.fake.files.contents[w.module.IniPath] = ini;
    w.Offer(u"C:\\KX\\odd.kxd", std::string(350, 'x'));
    w.form->PopUp_Click(kPopUpLoadFile);
    const bool resumes = ini == kIni;
    EXPECT_EQ(w.fake.dialogs.messages.size(), resumes ? 1u : 2u);
    EXPECT_EQ(w.fake.dialogs.messages.back(),
              resumes ? u"指定されたFileは使用出来ません、\r\n" + kSpecifyAgain : kSpecifyAgain);
    EXPECT_EQ(w.fake.dialogs.boxes.back(), kFileErrorBox);
    EXPECT_EQ(w.Shown().tip, resumes ? std::u16string(u"KX_RuvoZava") : kPleaseLoad);
    EXPECT_EQ(w.fake.timer.Enabled(), resumes);
    EXPECT_EQ(w.ShowsProgramIcon(), !resumes);
    EXPECT_EQ(w.StoredPath(), resumes ? kQuiz : ini.empty() ? u"" : u"C:\\KX\\gone.kxd");
    if (!resumes) continue;
    EXPECT_EQ(w.Engine().Fields().CharIndex, before.CharIndex);
    EXPECT_EQ(w.Engine().Fields().GlyphColumn, before.GlyphColumn);
    EXPECT_EQ(w.module.QuestionFilePath, kQuiz);  // re-read and trimmed
  }
}

// Refused files reopen the dialog, from the program folder; paths the
// settings file cannot hold (over 255 bytes, no code page 932 form) are
// refused too. A cancel after a refusal leaves no path.
TEST(LoadFileCommand, RefusalsReopenTheDialogUntilAFileIsAccepted) {
  Loaded w;
  w.module.AppPath = u"C:\\Program Files\\KX\\";
  const std::u16string fits = u"C:\\" + std::u16string(248, u'a') + u".kxd";  // 255 bytes
  for (const auto& [path, length] : std::initializer_list<std::pair<std::u16string, int>>{
           {u"C:\\q\\old.kxd", 422},
           {u"C:\\q\\odd.kxd", 350},
           {u"C:\\q\\locked.kxd", 351},
           {u"C:\\" + std::u16string(249, u'a') + u".kxd", 351},
           {u"C:\\" + std::u16string(125, u'問') + u".kxd", 351},  // 257 bytes
           {u"C:\\q\\café.kxd", 351}}) {
    w.Offer(path, std::string(static_cast<std::size_t>(length), 'x'));
  }
  w.fake.files.unmeasurable.insert(u"C:\\q\\locked.kxd");
  w.fake.files.contents[fits] = std::string(702, 'x');
  w.fake.dialogs.fileAnswers.emplace_back(fits + std::u16string(8, u'\0'));  // a padded buffer
  SelectQuestionFile(w.platform, w.module);
  std::vector<std::u16string> expected(
      6, u"指定されたFileは使用出来ません、\r\nFileを指定し直して下さい。");
  expected[0] = u"旧Fileは使用出来ません、\r\nFileを指定し直して下さい。";
  EXPECT_EQ(w.fake.dialogs.messages, expected);
  ASSERT_EQ(w.fake.dialogs.fileRequests.size(), 7u);
  // Question files first and selected (filter pairs count from 1).
  const OpenFileRequest& first = w.fake.dialogs.fileRequests[0];
  EXPECT_EQ(first.filter, u"KX問題ﾌｧｲﾙ (*.kxd)\0*.kxd\0全てのﾌｧｲﾙ (*.*)\0*.*\0\0"s);
  EXPECT_EQ(std::tie(first.filterIndex, first.title, first.flags),
            std::tuple(1u, u"問題を読む"s, 0x81806u));
  EXPECT_EQ(first.initialDir, kQuiz);
  EXPECT_EQ(w.fake.dialogs.fileRequests[6].initialDir, w.module.AppPath);
  EXPECT_EQ(w.module.QuestionFilePath, fits);
  SelectQuestionFile(w.platform, w.module);  // a cancel at once leaves no path either
  EXPECT_EQ(w.module.QuestionFilePath, u"");
  w.Offer(u"C:\\q\\odd.kxd", std::string(350, 'x'));
  SelectQuestionFile(w.platform, w.module);
  EXPECT_EQ(w.module.QuestionFilePath, u"");
  EXPECT_EQ(JudgeFileLength(279ull * 1000000000), FileLengthVerdict::kOldFormat);
  EXPECT_EQ(JudgeFileLength(0x100000000ull), FileLengthVerdict::kUnusable);  // no 32-bit wrap
}

// Each reason (locked, switched away, display off, asleep, full screen)
// begins and ends once, in every order: the timer is off while any holds,
// and the full-screen polls (every 5 s) run only while that one alone does.
// Each resume hands the shell the same icon again, added where it was lost;
// the text goes on from the same column.
TEST(Pause, TheTickerRestsWhileAnyReasonHoldsInEveryOrder) {
  fake::FakeTimer polls;  // outlives the form, which stops it as it goes
  Loaded w;
  w.form->WatchFullScreen(polls);
  EXPECT_TRUE(polls.Enabled() && polls.Interval() == 5000);
  w.Ticks(3);
  w.form->PauseFor(PauseReason::kFullScreen, false);  // a poll that finds none
  EXPECT_EQ(w.fake.tray.calls.size(), 4u);
  const TickerFields before = w.Engine().Fields();
  const Icon* shown = w.Shown().icon;
  std::array<unsigned, 10> order{0, 0, 1, 1, 2, 2, 3, 3, 4, 4};  // begin, then end
  int orders = 0;
  do {
    w.fake.tray.calls.clear();
    w.fake.tray.lost = ++orders % 2 == 0;
    unsigned holding = 0;
    std::size_t resumes = orders % 2 == 0;  // and one add
    for (const unsigned r : order) {
      holding ^= 1u << r;  // its first time begins it, its second ends it
      w.form->PauseFor(static_cast<PauseReason>(r), (holding >> r & 1) != 0);
      ASSERT_EQ(w.fake.timer.Enabled(), holding == 0);
      ASSERT_EQ(polls.Enabled(), (holding & 0xFu) == 0);
      resumes += holding == 0;
    }
    ASSERT_EQ(w.fake.tray.calls.size(), resumes);
    ASSERT_EQ(w.Shown().icon, shown);
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(orders, 113400);  // 10! / 2^5
  w.Ticks(1);
  EXPECT_EQ(w.Engine().Fields().GlyphColumn, before.GlyphColumn + 2);
  EXPECT_EQ(w.Engine().Fields().CharIndex, before.CharIndex);
}

// What the program does to its timer during a pause is what runs after it:
// no quiz (and a command that does nothing, -1), a loaded file, one that
// fails to load, Exit. A pause that ends while a message of the Load file
// dialog is open leaves the timer as the program put it: off.
TEST(Pause, NeverOverrulesTheProgramsOwnTimer) {
  const struct {
    std::string ini;
    std::int16_t command;
    bool readable, runs;
  } cases[] = {{"", -1, true, false},
               {kIni, kPopUpLoadFile, true, true},
               {kIni, kPopUpLoadFile, false, false},
               {kIni, kPopUpExit, true, false}};
  for (const auto& c : cases) {
    fake::FakeTimer polls;
    Loaded w(96, c.ini);
    w.form->WatchFullScreen(polls);
    w.form->PauseFor(PauseReason::kLocked, true);
    w.Offer(u"C:\\KX\\odd.kxd", std::string(350, 'x'));  // refused, with a message
    w.Offer(kChosen, Record(u"新", u"答"));
    if (!c.readable) w.fake.files.unreadable.insert(kChosen);
    w.fake.dialogs.onMessage = [&w] {
      w.form->PauseFor(PauseReason::kLocked, false);
      EXPECT_FALSE(w.fake.timer.Enabled());
      w.form->PauseFor(PauseReason::kLocked, true);
    };
    w.form->PopUp_Click(c.command);
    EXPECT_FALSE(w.fake.timer.Enabled() || polls.Enabled());
    w.form->PauseFor(PauseReason::kLocked, false);
    EXPECT_EQ(w.fake.timer.Enabled() + polls.Enabled(), 2 * c.runs) << c.command;
  }
}

// Block copies clip at every edge: source pixels outside read as black (0),
// destination pixels outside are skipped, a copy within one surface sees the
// pixels as they were; the rightmost columns keep theirs on a shift. A
// rectangle holds its left and top edges, not its right and bottom ones;
// ToDesign undoes Of on both sides of 0, at any scale. An inch is 1440
// twips, and a screen that reports no resolution counts as 96 dpi.
TEST(Surface, CopiesClipAtEveryEdgeAndShiftsLeft) {
  const auto pixels = [](const Surface& s) {
    return std::vector<Color>(s.Pixels().begin(), s.Pixels().end());
  };
  Surface source(3, 2);  // 1 2 3, 4 5 6
  for (int i = 0; i < 6; ++i) source.Set(i % 3, i / 3, static_cast<Color>(i + 1));
  Surface d(4, 3, 9);  // rows of 4 below
  d.Blit(source, -1, -1, 6, 5, -1, -1);
  d.Blit(source, 2, 0, 1, 1, 3, 2);
  d.Blit(source, 0, 0, -1, 2, 0, 0);  // no block at all
  EXPECT_EQ(pixels(d), (std::vector<Color>{1, 2, 3, 0, 4, 5, 6, 0, 0, 0, 0, 3}));
  for (const int columns : {-1, 4, 1}) d.ShiftLeft(columns);  // only 1 moves anything
  EXPECT_EQ(pixels(d), (std::vector<Color>{2, 3, 0, 0, 5, 6, 0, 0, 0, 0, 3, 3}));
  d.CopyColumns(source, -1, 3, 2);
  d.CopyColumns(source, 2, 2, -1);
  d.CopyColumns(d, 0, 2, 1);
  EXPECT_EQ(pixels(d), (std::vector<Color>{0, 0, 3, 1, 0, 0, 6, 4, 0, 0, 0, 0}));
  constexpr Rect square{0, 0, 2, 2};
  EXPECT_TRUE(square.Contains({0, 0}) && !square.Contains({2, 1}) && !square.Contains({1, 2}));
  EXPECT_TRUE(DisplayScale{96}.TwipsOfPixels(96) == 1440 && TwipsPerPixel(0) == 15);
  for (int p = -200; p < 200; ++p) EXPECT_EQ(DisplayScale{97}.ToDesign(DisplayScale{97}.Of(p)), p);
}

}  // namespace
}  // namespace kx
