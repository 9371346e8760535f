#include "questions/question_loader.h"

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
    EXPECT_GE(module.QuestionCount, 0);
    EXPECT_EQ(module.Questions.size(), static_cast<std::size_t>(module.QuestionCount) + 1);
    EXPECT_EQ(module.QuestionFilePath, kPath);
    return result;
  }
  bool HoldsTheSample() const {
    return module.QuestionCount == 0 && module.Questions.size() == 1 &&
           QuestionOf(module.Questions[0]) == kSampleQuestion &&
           AnswerOf(module.Questions[0]) == u"荒川" && module.Questions[0].size() == 347;
  }

  fake::FakePlatform fake;
  basRuvoZava module;
};

TEST_F(LoadQuestionsTest, WellFormedRecordsThenOneEmptyElement) {
  EXPECT_TRUE(Load(Record(u"一問目", u"一") + Record(u"  二問目", u"二") + Record(u"三", u"")));
  EXPECT_EQ(module.QuestionCount, 3);
  ASSERT_EQ(module.Questions.size(), 4u);
  EXPECT_EQ(module.Questions[0].size(), 349u);
  EXPECT_EQ(module.Questions[3], "");
  EXPECT_EQ(QuestionOf(module.Questions[1]), u"二問目");
  EXPECT_EQ(AnswerOf(module.Questions[1]), u"二");
  EXPECT_EQ(AnswerOf(module.Questions[2]), u"");
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(LoadQuestionsTest, FilesWithoutAUsableLineSilentlyGiveTheSample) {
  for (const std::string& bytes : {std::string(), RecordLine(u"一つだけ", u"改行なし"),
                                   std::string("\r"), std::string("\n")}) {
    SCOPED_TRACE(bytes.size());
    EXPECT_TRUE(Load(bytes));
    EXPECT_TRUE(HoldsTheSample());
  }
  EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(LoadQuestionsTest, ALastRecordWithoutItsLineEndIsNeverPicked) {
  EXPECT_TRUE(Load(Record(u"一", u"1") + RecordLine(u"二", u"2")));
  EXPECT_EQ(module.QuestionCount, 1);
  EXPECT_EQ(module.Questions.size(), 2u);
  EXPECT_EQ(QuestionOf(module.Questions[1]), u"二");
}

TEST_F(LoadQuestionsTest, ExtraEmptyLinesAreElementsWithEmptyFields) {
  EXPECT_TRUE(Load(Record(u"一", u"1") + Record(u"二", u"2") + "\r\n\r\n"));
  EXPECT_EQ(module.QuestionCount, 4);
  EXPECT_EQ(module.Questions[2], "");
  EXPECT_EQ(QuestionOf(module.Questions[3]), u"");
  EXPECT_EQ(AnswerOf(module.Questions[3]), u"");
  // A single empty line still counts as one CR LF: one pick, an empty one.
  EXPECT_TRUE(Load("\r\n"));
  EXPECT_EQ(module.QuestionCount, 1);
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

TEST_F(LoadQuestionsTest, EachLoadReplacesWhateverWasThere) {
  fake.files.contents.clear();
  EXPECT_FALSE(Load());
  EXPECT_TRUE(Load(Record(u"新", u"1") + Record(u"新", u"2")));
  EXPECT_EQ(module.QuestionCount, 2);
  EXPECT_TRUE(Load(""));
  EXPECT_TRUE(HoldsTheSample());
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
  EXPECT_EQ(module.QuestionCount, 2);
  EXPECT_EQ(AnswerOf(module.Questions[1]), u"2");

  for (const auto& path : {folder, folder / "missing.kxd", folder / "no" / "such.kxd"}) {
    module.QuestionFilePath = path.u16string();
    EXPECT_FALSE(LoadQuestions(platform, module));
    EXPECT_EQ(module.QuestionCount, 0);
    EXPECT_EQ(module.Questions.size(), 1u);
  }
  EXPECT_EQ(fake.dialogs.messages.size(), 3u);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing.kxd"));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kx
