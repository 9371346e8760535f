// The Load file command of the popup menu: what the timer, the ticker, the
// tray and the settings file show afterwards, for each way it can end.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "app/form.h"
#include "fake/fake_platform.h"
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

TEST(LoadFileCommand, AnAcceptedFileRestartsTheTickerWithANewQuestion) {
  Running r;
  r.Offer(kChosen, Record(u"新しい", u"答") + Record(u"別の", u"答"));
  r.LoadFile();
  EXPECT_EQ(r.module.Questions.count, 2);
  EXPECT_TRUE(r.fake.timer.Enabled());
  EXPECT_EQ(r.Shown().tip, u"KX_RuvoZava");
  EXPECT_FALSE(r.ShowsProgramIcon());
  EXPECT_EQ(r.StoredPath(), kChosen);
  EXPECT_TRUE(r.fake.dialogs.messages.empty());
  r.form->Timer1_Timer();
  EXPECT_EQ(r.fake.graphics.glyphsDrawn.back(), u"新");
}

TEST(LoadFileCommand, AnAcceptedFileThatFailsToLoadFreezesTheTicker) {
  Running r;
  r.Offer(kChosen, Record(u"a", u"b"));
  r.fake.files.unreadable.insert(kChosen);
  r.LoadFile();
  EXPECT_EQ(r.fake.dialogs.messages.size(), 1u);
  EXPECT_FALSE(r.fake.timer.Enabled());
  EXPECT_EQ(r.module.Questions.count, 0);
  EXPECT_EQ(r.Shown().tip, kPleaseLoad);
  EXPECT_FALSE(r.ShowsProgramIcon());
  EXPECT_EQ(r.StoredPath(), kChosen);  // stored even though it failed
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
  EXPECT_EQ(r.module.Questions.count, 3);
  EXPECT_EQ(r.Shown().tip, u"KX_RuvoZava");
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

}  // namespace
}  // namespace kx
