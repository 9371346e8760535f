// The Load file command of the popup menu: which files the dialog accepts,
// and what the timer, the ticker, the tray and the settings file show
// afterwards, for each way it can end.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "app/form.h"
#include "app/select_question_file.h"
#include "fake/fake_platform.h"
#include "questions/file_choice.h"
#include "settings/settings.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

const std::u16string kStored = u"C:\\KX\\stored.kxd";
const std::u16string kChosen = u"C:\\KX\\chosen.kxd";
const std::u16string kPleaseLoad = u"Fileを読み込んで下さい。";

struct Running {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;

  // Started with `kStored` holding three records, then ticked for a while.
  Running() {
    module.IniPath = u"C:\\KX\\KXT.ini";
    fake.files.contents[module.IniPath] = "[FilePath]\r\nKX_FILE=  C:\\KX\\stored.kxd  \r\n";
    fake.files.contents[kStored] =
        Record(u"一問目", u"一") + Record(u"二問目", u"二") + Record(u"三問目", u"三番");
    form.emplace(platform, module);
    form->Form_Load();
    for (int i = 0; i < 5; ++i) form->Timer1_Timer();
  }
  ~Running() { form->Form_Unload(); }

  void LoadFile() { form->PopUp_Click(kPopUpLoadFile); }
  void Offer(const std::u16string& path, std::string bytes) {
    fake.files.contents[path] = std::move(bytes);
    fake.dialogs.fileAnswers.emplace_back(path);
  }
  std::u16string StoredPath() { return ReadQuestionFilePath(fake.files, module.IniPath); }
  const TrayData& Shown() const { return fake.tray.calls.back().data; }
  const TickerFields& Fields() const {
    if (form->Ticker() == nullptr) throw std::logic_error("no ticker after Form_Load");
    return form->Ticker()->Fields();
  }
  bool ShowsProgramIcon() { return Shown().icon == &fake.graphics.ProgramIcon(); }
};

TEST(LoadFileCommand, AnAcceptedFileIsStoredAndRestartsOrFreezesTheTicker) {
  for (const bool readable : {true, false}) {
    Running r;
    r.Offer(kChosen, Record(u"新しい", u"答") + Record(u"別の", u"答"));
    if (!readable) r.fake.files.unreadable.insert(kChosen);
    r.LoadFile();
    EXPECT_EQ(r.fake.dialogs.messages.size(), readable ? 0u : 1u);
    EXPECT_EQ(r.fake.timer.Enabled(), readable);
    EXPECT_EQ(r.module.Questions.count, readable ? 2 : 0);
    EXPECT_EQ(r.Shown().tip, readable ? std::u16string(u"KX_RuvoZava") : kPleaseLoad);
    EXPECT_FALSE(r.ShowsProgramIcon());
    EXPECT_EQ(r.StoredPath(), kChosen);  // stored even when it fails to load
    if (!readable) break;
    r.form->Timer1_Timer();
    EXPECT_EQ(r.fake.graphics.glyphsDrawn.back(), u"新");
  }
}

// A refusal, then a cancel: the stored path is tested, not the refused one.
TEST(LoadFileCommand, CancelResumesWhereTheTickerStoppedWhileTheStoredFileExists) {
  Running r;
  const TickerFields before = r.Fields();
  r.Offer(kChosen, std::string(350, 'x'));
  r.LoadFile();
  EXPECT_EQ(r.fake.dialogs.messages.size(), 1u);  // the refusal only
  EXPECT_TRUE(r.fake.timer.Enabled());
  EXPECT_EQ(r.Fields().CharIndex, before.CharIndex);
  EXPECT_EQ(r.Fields().GlyphColumn, before.GlyphColumn);
  EXPECT_EQ(r.module.QuestionFilePath, kStored);  // re-read and trimmed
  EXPECT_EQ(r.StoredPath(), kStored);
}

TEST(LoadFileCommand, CancelWithoutAUsableStoredFileShowsTheProgramIcon) {
  for (const std::string& ini :
       {std::string("[FilePath]\r\nKX_FILE=C:\\KX\\gone.kxd\r\n"), std::string()}) {
    SCOPED_TRACE(ini);
    Running r;
    r.fake.files.contents[r.module.IniPath] = ini;
    r.LoadFile();
    ASSERT_EQ(r.fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(r.fake.dialogs.messages[0].text, u"Fileを指定し直して下さい。");
    EXPECT_FALSE(r.fake.timer.Enabled());
    EXPECT_EQ(r.Shown().tip, kPleaseLoad);
    EXPECT_TRUE(r.ShowsProgramIcon());
    EXPECT_EQ(r.StoredPath(), ini.empty() ? u"" : u"C:\\KX\\gone.kxd");
  }
}

// Refused files reopen the dialog, from the program folder; paths the
// settings file cannot hold (over 255 bytes, no code page 932 form) are
// refused too. A cancel after a refusal leaves no path.
TEST(LoadFileCommand, RefusalsReopenTheDialogUntilAFileIsAccepted) {
  Running r;
  r.module.AppPath = u"C:\\Program Files\\KX\\";
  const std::u16string fits = u"C:\\" + std::u16string(248, u'a') + u".kxd";  // 255 bytes
  for (const auto& [path, length] : std::initializer_list<std::pair<std::u16string, int>>{
           {u"C:\\q\\old.kxd", 422},
           {u"C:\\q\\odd.kxd", 350},
           {u"C:\\q\\locked.kxd", 351},
           {u"C:\\" + std::u16string(249, u'a') + u".kxd", 351},
           {u"C:\\" + std::u16string(125, u'問') + u".kxd", 351},  // 257 bytes
           {u"C:\\q\\café.kxd", 351}}) {
    r.Offer(path, std::string(static_cast<std::size_t>(length), 'x'));
  }
  r.fake.files.unmeasurable.insert(u"C:\\q\\locked.kxd");
  r.fake.files.contents[fits] = std::string(702, 'x');
  r.fake.dialogs.fileAnswers.emplace_back(fits + std::u16string(8, u'\0'));  // a padded buffer
  SelectQuestionFile(r.platform, r.module);
  std::vector<std::u16string> texts;
  for (const auto& message : r.fake.dialogs.messages) texts.push_back(message.text);
  std::vector<std::u16string> expected(
      6, u"指定されたFileは使用出来ません、\r\nFileを指定し直して下さい。");
  expected[0] = u"旧Fileは使用出来ません、\r\nFileを指定し直して下さい。";
  EXPECT_EQ(texts, expected);
  ASSERT_EQ(r.fake.dialogs.fileRequests.size(), 7u);
  EXPECT_EQ(r.fake.dialogs.fileRequests[0].initialDir, kStored);
  EXPECT_EQ(r.fake.dialogs.fileRequests[6].initialDir, r.module.AppPath);
  EXPECT_EQ(r.module.QuestionFilePath, fits);
  r.Offer(u"C:\\q\\odd.kxd", std::string(350, 'x'));
  SelectQuestionFile(r.platform, r.module);
  EXPECT_EQ(r.module.QuestionFilePath, u"");
  EXPECT_EQ(JudgeFileLength(351ull * 279 * 1000000), FileLengthVerdict::kAccepted);
  EXPECT_EQ(JudgeFileLength(0x100000000ull), FileLengthVerdict::kUnusable);  // no 32-bit wrap
}

}  // namespace
}  // namespace kx
