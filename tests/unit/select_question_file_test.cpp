#include "app/select_question_file.h"
#include "questions/file_choice.h"

#include <gtest/gtest.h>

#include <iterator>

#include "fake/fake_platform.h"

namespace kx {
namespace {

const std::u16string kAppPath = u"C:\\Program Files\\KX\\";
const std::u16string kOldFile = u"C:\\quiz\\old.kxd";
const std::u16string kChosen = u"C:\\quiz\\new.kxd";
const std::u16string kFileAgain = u"Fileを指定し直して下さい。";
const std::u16string kOldFormatMessage = u"旧Fileは使用出来ません、\r\n" + kFileAgain;
const std::u16string kUnusableMessage = u"指定されたFileは使用出来ません、\r\n" + kFileAgain;

class SelectQuestionFileTest : public ::testing::Test {
 protected:
  SelectQuestionFileTest() {
    module.AppPath = kAppPath;
    module.QuestionFilePath = kOldFile;
  }

  // Offers a file of `length` bytes at `path` as the dialog's next answer.
  void Offer(const std::u16string& path, std::size_t length) {
    fake.files.contents[path] = std::string(length, 'x');
    fake.dialogs.fileAnswers.emplace_back(path);
  }
  void Select() { SelectQuestionFile(fake.Services(), module); }
  std::vector<std::u16string> MessageTexts() const {
    std::vector<std::u16string> texts;
    for (const auto& message : fake.dialogs.messages) {
      EXPECT_EQ(message.title, u"File読込Error");
      EXPECT_EQ(message.style, kMbIconHand);
      texts.push_back(message.text);
    }
    return texts;
  }

  fake::FakePlatform fake;
  basRuvoZava module;
};

TEST_F(SelectQuestionFileTest, TheDialogIsFilledAsThePlatformExpects) {
  Select();  // cancelled
  ASSERT_EQ(fake.dialogs.fileRequests.size(), 1u);
  const OpenFileRequest& request = fake.dialogs.fileRequests[0];
  constexpr char16_t kFilter[] = u"KX問題ﾌｧｲﾙ (*.kxd)\0*.kxd\0全てのﾌｧｲﾙ (*.*)\0*.*\0\0";
  EXPECT_EQ(request.filter, std::u16string(kFilter, std::size(kFilter) - 1));
  EXPECT_EQ(request.filterIndex, 1u);
  EXPECT_EQ(request.initialDir, kOldFile);
  EXPECT_EQ(request.title, u"問題を読む");
  EXPECT_EQ(request.flags, 0x81806u);
  EXPECT_EQ(module.QuestionFilePath, u"");
  EXPECT_TRUE(fake.dialogs.messages.empty());

  module.QuestionFilePath.clear();
  Select();
  EXPECT_EQ(fake.dialogs.fileRequests[1].initialDir, kAppPath);
}

TEST_F(SelectQuestionFileTest, OtherLengthsAreRefusedAndTheDialogStartsAgainFromAppPath) {
  struct Case {
    std::size_t length;
    const std::u16string& message;
  };
  for (const Case c : {Case{422, kOldFormatMessage}, Case{350, kUnusableMessage}}) {
    SCOPED_TRACE(c.length);
    fake.dialogs.messages.clear();
    fake.dialogs.fileRequests.clear();
    module.QuestionFilePath = kOldFile;
    Offer(u"C:\\quiz\\refused.kxd", c.length);
    Offer(kChosen, 702);
    Select();
    EXPECT_EQ(MessageTexts(), std::vector<std::u16string>{c.message});
    ASSERT_EQ(fake.dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(fake.dialogs.fileRequests[0].initialDir, kOldFile);
    EXPECT_EQ(fake.dialogs.fileRequests[1].initialDir, kAppPath);
    EXPECT_EQ(module.QuestionFilePath, kChosen);
  }
}

TEST_F(SelectQuestionFileTest, CancelAfterARefusalLeavesNoPath) {
  Offer(u"C:\\quiz\\refused.kxd", 350);
  Select();
  EXPECT_EQ(MessageTexts().size(), 1u);
  EXPECT_EQ(module.QuestionFilePath, u"");
}

TEST_F(SelectQuestionFileTest, AFileThatCannotBeMeasuredIsRefusedAsUnusable) {
  // Twice in one call, and before any length was measured.
  Offer(u"C:\\quiz\\locked.kxd", 351);
  fake.files.unmeasurable.insert(u"C:\\quiz\\locked.kxd");
  fake.dialogs.fileAnswers.emplace_back(u"C:\\quiz\\locked.kxd");
  Offer(kChosen, 351);
  Select();
  EXPECT_EQ(MessageTexts(), (std::vector<std::u16string>{kUnusableMessage, kUnusableMessage}));
  EXPECT_EQ(module.QuestionFilePath, kChosen);
}

TEST_F(SelectQuestionFileTest, PathsTheSettingsFileCannotHoldAreRefused) {
  const std::u16string folder = u"C:\\";
  const std::u16string fits = folder + std::u16string(251 - 3, u'a') + u".kxd";  // 255 bytes
  const std::u16string tooLong = folder + std::u16string(252 - 3, u'a') + u".kxd";
  const std::u16string wideTooLong = folder + std::u16string(125, u'問') + u".kxd";  // 257
  const std::u16string notCp932 = u"C:\\quiz\\café.kxd";
  for (const auto& path : {tooLong, wideTooLong, notCp932}) Offer(path, 351);
  Offer(fits, 351);
  Select();
  EXPECT_EQ(MessageTexts(), std::vector<std::u16string>(3, kUnusableMessage));
  EXPECT_EQ(module.QuestionFilePath, fits);
  EXPECT_EQ(fake.dialogs.fileRequests.back().initialDir, kAppPath);
}

TEST_F(SelectQuestionFileTest, TheReturnedBufferIsCutAtItsFirstNul) {
  fake.files.contents[kChosen] = std::string(351, 'x');
  std::u16string buffer = kChosen;
  buffer.resize(256, u'\0');
  fake.dialogs.fileAnswers.emplace_back(buffer);
  Select();
  EXPECT_EQ(module.QuestionFilePath, kChosen);
}

TEST(JudgeFileLength, ChecksTheCurrentRecordSizeFirst) {
  using enum FileLengthVerdict;
  for (const std::uint64_t length : {0ull, 351ull, 702ull, 351ull * 211, 351ull * 279 * 1000000}) {
    EXPECT_EQ(JudgeFileLength(length), kAccepted) << length;
  }
  for (const std::uint64_t length : {211ull, 279ull, 558ull, 211ull * 279}) {
    EXPECT_EQ(JudgeFileLength(length), kOldFormat) << length;
  }
  for (const std::uint64_t length : {1ull, 349ull, 350ull, 352ull, 0x100000000ull}) {
    EXPECT_EQ(JudgeFileLength(length), kUnusable) << length;
  }
}

}  // namespace
}  // namespace kx
