#include "app/load_questions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake/fake_platform.h"
#include "forms/files_std.h"
#include "question_test_records.h"
#include "questions/record_format.h"

namespace kx {
namespace {

using testing::Record;
using testing::RecordLine;

const std::u16string kPath = u"C:\\quiz\\q.kxd";
const std::u16string kSampleQuestion =
    u"全国には一級河川が一〇九水系ありますが、ただ一組同じ名前の川があります。なんという川でしょう"
    u"？";

class LoadQuestionsTest : public ::testing::Test {
 protected:
  LoadQuestionsTest() { module.QuestionFilePath = kPath; }

  bool Load(const std::string& bytes) {
    fake.files.contents[kPath] = bytes;
    return Load();
  }
  bool Load() {
    const bool result = LoadQuestions(fake.Services(), module);
    EXPECT_GE(module.Questions.count, 0);
    EXPECT_EQ(module.Questions.lines.size(), static_cast<std::size_t>(module.Questions.count) + 1);
    EXPECT_EQ(module.QuestionFilePath, kPath);
    return result;
  }
  bool HoldsTheSample() const {
    return module.Questions.count == 0 && module.Questions.lines.size() == 1 &&
           QuestionOf(module.Questions.lines[0]) == kSampleQuestion &&
           AnswerOf(module.Questions.lines[0]) == u"荒川" &&
           module.Questions.lines[0].size() == 347;
  }

  fake::FakePlatform fake;
  basRuvoZava module;
};

// One element per CR LF and one for what follows the last; the count leaves
// out that last element. Files without a CR LF give the sample, silently.
TEST_F(LoadQuestionsTest, CountsTheRecordsThatEndInCrLf) {
  const std::string one = Record(u"一", u"1");
  const struct {
    std::string bytes;
    std::int32_t count;  // 0: the sample
  } cases[] = {
      {one + Record(u"  二問目", u"二") + Record(u"三", u""), 3},
      {one + RecordLine(u"二", u"2"), 1},  // a last record without its line end
      {one + one + "\r\n\r\n", 4},         // empty lines are elements with empty fields
      {"\r\n", 1},
      {"", 0},
      {RecordLine(u"一つだけ", u"改行なし"), 0},
      {"\r", 0},
      {"\n", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    EXPECT_TRUE(Load(c.bytes));
    EXPECT_EQ(module.Questions.count, c.count);
    EXPECT_EQ(HoldsTheSample(), c.count == 0);
  }
  EXPECT_TRUE(fake.dialogs.messages.empty());
  Load(cases[0].bytes);
  EXPECT_EQ(module.Questions.lines[0].size(), 349u);
  EXPECT_EQ(QuestionOf(module.Questions.lines[1]), u"二問目");
  EXPECT_EQ(AnswerOf(module.Questions.lines[1]), u"二");
  EXPECT_EQ(module.Questions.lines[3], "");
}

TEST_F(LoadQuestionsTest, AFileThatCannotBeReadShowsTheMessageAndGivesTheSample) {
  // Missing, or present but unreadable (denied, too large to hold, a read
  // error): the Files service answers nothing either way.
  fake.files.unreadable.insert(u"C:\\quiz\\big.kxd");
  fake.files.contents[u"C:\\quiz\\big.kxd"] = Record(u"a", u"b");
  for (const std::u16string path : {u"C:\\quiz\\gone.kxd", u"C:\\quiz\\big.kxd"}) {
    fake.dialogs.messages.clear();
    module.QuestionFilePath = path;
    EXPECT_FALSE(LoadQuestions(fake.Services(), module));
    EXPECT_EQ(module.QuestionFilePath, path);
    EXPECT_TRUE(HoldsTheSample());
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].title, u"File読込Error");
    EXPECT_EQ(fake.dialogs.messages[0].text,
              u"指定されたFileは存在しません、\r\nFileを指定し直して下さい。");
    EXPECT_EQ(fake.dialogs.messages[0].style, kMbIconHand);
  }
  EXPECT_EQ(fake.files.writes, 0);  // the loader never creates a file
}

TEST_F(LoadQuestionsTest, TheSampleIsInPlaceWhileTheMessageIsOpen) {
  ASSERT_TRUE(Load(Record(u"古い", u"1") + Record(u"古い", u"2") + Record(u"古い", u"3")));
  fake.files.contents.clear();
  bool sampleWhileOpen = false;
  fake.dialogs.onMessage = [&](const fake::ShownMessage&) { sampleWhileOpen = HoldsTheSample(); };
  EXPECT_FALSE(Load());
  EXPECT_TRUE(sampleWhileOpen);
}

// The same rules through the real file access: a folder and a missing file
// fail, a file on disk loads.
TEST(LoadQuestionsFromDisk, FoldersAndMissingFilesFailRealFilesLoad) {
  const auto folder = std::filesystem::temp_directory_path() / "kx_loader_test";
  std::filesystem::create_directories(folder);
  const auto file = folder / "two.kxd";
  {
    std::ofstream out(file, std::ios::binary);
    const std::string bytes = Record(u"一", u"1") + Record(u"二", u"2");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  fake::FakePlatform fake;
  StdFiles files;
  const Platform platform{fake.strings, fake.dialogs,  fake.environment, files,      fake.timer,
                          fake.tray,    fake.graphics, fake.window,      fake.random};
  basRuvoZava module;
  module.QuestionFilePath = file.u16string();
  EXPECT_TRUE(LoadQuestions(platform, module));
  EXPECT_EQ(module.Questions.count, 2);
  EXPECT_EQ(AnswerOf(module.Questions.lines[1]), u"2");

  for (const auto& path : {folder, folder / "missing.kxd", folder / "no" / "such.kxd"}) {
    module.QuestionFilePath = path.u16string();
    EXPECT_FALSE(LoadQuestions(platform, module));
    EXPECT_EQ(module.Questions.count, 0);
    EXPECT_EQ(module.Questions.lines.size(), 1u);
  }
  EXPECT_EQ(fake.dialogs.messages.size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing.kxd"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kx
