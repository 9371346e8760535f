// The Load file command of the popup menu: what the timer, the ticker, the
// tray and the settings file show afterwards, for each way it can end.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form.h"
#include "fake/fake_platform.h"
#include "settings/settings.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

using testing::Record;

const std::u16string kStored = u"C:\\KX\\stored.kxd";
const std::u16string kChosen = u"C:\\KX\\chosen.kxd";
const std::u16string kAppTitle = u"KX_RuvoZava";
const std::u16string kPleaseLoad = u"Fileを読み込んで下さい。";

struct Running {
  fake::FakePlatform fake;
  Platform platform = fake.Services();
  basRuvoZava module;
  std::optional<frmRuvoZava> form;

  // Started with `kStored` holding three records, then ticked for a while.
  explicit Running(int ticks = 5) {
    module.AppPath = u"C:\\KX\\";
    module.IniPath = u"C:\\KX\\KXT.ini";
    module.QuestionFilePath = kStored;
    fake.files.contents[module.IniPath] = "[FilePath]\r\nKX_FILE=  C:\\KX\\stored.kxd  \r\n";
    fake.files.contents[kStored] =
        Record(u"一問目", u"一") + Record(u"二問目", u"二") + Record(u"三問目", u"三番");
    fake.random.values = {0.9f};  // the third record
    form.emplace(platform, module);
    form->Form_Load();
    for (int i = 0; i < ticks; ++i) form->Timer1_Timer();
    fake.tray.calls.clear();
    fake.dialogs.messages.clear();
  }
  ~Running() { form->Form_Unload(); }

  void LoadFile() { form->PopUp_Click(kPopUpLoadFile); }
  void Offer(const std::u16string& path, std::string bytes) {
    fake.files.contents[path] = std::move(bytes);
    fake.dialogs.fileAnswers.emplace_back(path);
  }
  std::u16string StoredPath() { return ReadQuestionFilePath(fake.files, module.IniPath); }
  const TrayData& LastModify() const {
    EXPECT_EQ(fake.tray.calls.back().kind, "modify");
    return fake.tray.calls.back().data;
  }
  const Icon* ProgramIcon() { return &fake.graphics.ProgramIcon(); }
  const TickerFields& Fields() const {
    const TickerEngine* ticker = form->Ticker();
    if (ticker == nullptr) throw std::logic_error("no ticker after Form_Load");
    return ticker->Fields();
  }
};

TEST(LoadFileCommand, AnAcceptedFileRestartsTheTickerWithANewQuestion) {
  Running r;
  const Icon* tickerIcon = r.form->Tray().Data().icon;
  ASSERT_NE(tickerIcon, r.ProgramIcon());
  r.Offer(kChosen, Record(u"新しい", u"答") + Record(u"別の", u"答"));
  r.LoadFile();
  EXPECT_EQ(r.module.QuestionFilePath, kChosen);
  EXPECT_EQ(r.module.Questions.count, 2);
  EXPECT_TRUE(r.fake.timer.Enabled());
  const TickerFields& f = r.Fields();
  EXPECT_EQ(f.TickerState, kQuestionDue);
  EXPECT_EQ(f.CharIndex, 0);
  EXPECT_EQ(f.GlyphWidth, 0);
  EXPECT_EQ(f.GlyphColumn, 1);
  EXPECT_EQ(r.LastModify().tip, kAppTitle);
  EXPECT_EQ(r.LastModify().icon, tickerIcon);
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
  ASSERT_EQ(r.fake.dialogs.messages.size(), 1u);
  EXPECT_EQ(r.fake.dialogs.messages[0].text,
            u"指定されたFileは存在しません、\r\nFileを指定し直して下さい。");
  EXPECT_FALSE(r.fake.timer.Enabled());
  EXPECT_EQ(r.module.Questions.count, 0);
  EXPECT_EQ(r.LastModify().tip, kPleaseLoad);
  EXPECT_NE(r.LastModify().icon, r.ProgramIcon());
  EXPECT_EQ(r.StoredPath(), kChosen);  // stored even though it failed
}

TEST(LoadFileCommand, CancelResumesWhereTheTickerStoppedWhileTheStoredFileExists) {
  Running r;
  const std::int32_t charIndex = r.Fields().CharIndex;
  const std::int32_t glyphColumn = r.Fields().GlyphColumn;
  r.LoadFile();
  EXPECT_TRUE(r.fake.dialogs.messages.empty());
  EXPECT_TRUE(r.fake.timer.Enabled());
  EXPECT_EQ(r.Fields().CharIndex, charIndex);
  EXPECT_EQ(r.Fields().GlyphColumn, glyphColumn);
  EXPECT_EQ(r.module.QuestionFilePath, kStored);  // re-read and trimmed
  EXPECT_EQ(r.LastModify().tip, kAppTitle);
  EXPECT_EQ(r.StoredPath(), kStored);
}

TEST(LoadFileCommand, CancelAfterARefusalTestsTheStoredPathNotTheRefusedOne) {
  Running r;
  r.Offer(kChosen, std::string(350, 'x'));
  r.LoadFile();
  ASSERT_EQ(r.fake.dialogs.messages.size(), 1u);  // the refusal only
  EXPECT_EQ(r.module.QuestionFilePath, kStored);
  EXPECT_TRUE(r.fake.timer.Enabled());
  EXPECT_EQ(r.module.Questions.count, 3);  // nothing was loaded
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
    EXPECT_EQ(r.fake.dialogs.messages[0].style, kMbIconHand);
    EXPECT_FALSE(r.fake.timer.Enabled());
    EXPECT_EQ(r.LastModify().tip, kPleaseLoad);
    EXPECT_EQ(r.LastModify().icon, r.ProgramIcon());
    EXPECT_EQ(r.StoredPath(), ini.empty() ? u"" : u"C:\\KX\\gone.kxd");
  }
}

}  // namespace
}  // namespace kx
