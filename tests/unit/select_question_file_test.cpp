#include "app/select_question_file.h"
#include "questions/file_choice.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace kx {
namespace {

const std::u16string kAppPath = u"C:\\Program Files\\KX\\";
const std::u16string kOldFile = u"C:\\quiz\\old.kxd";
const std::u16string kChosen = u"C:\\quiz\\new.kxd";
const std::u16string kOldFormat = u"旧Fileは使用出来ません、\r\nFileを指定し直して下さい。";
const std::u16string kUnusable = u"指定されたFileは使用出来ません、\r\nFileを指定し直して下さい。";

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
  std::vector<std::u16string> Messages() const {
    std::vector<std::u16string> texts;
    for (const auto& message : fake.dialogs.messages) texts.push_back(message.text);
    return texts;
  }

  fake::FakePlatform fake;
  basRuvoZava module;
};

TEST_F(SelectQuestionFileTest, RefusalsReopenTheDialogFromTheProgramFolder) {
  Offer(u"C:\\quiz\\old.kxd", 422);
  Offer(u"C:\\quiz\\odd.kxd", 350);
  Offer(u"C:\\quiz\\locked.kxd", 351);
  fake.files.unmeasurable.insert(u"C:\\quiz\\locked.kxd");
  Offer(kChosen, 702);
  Select();
  EXPECT_EQ(Messages(), (std::vector<std::u16string>{kOldFormat, kUnusable, kUnusable}));
  ASSERT_EQ(fake.dialogs.fileRequests.size(), 4u);
  EXPECT_EQ(fake.dialogs.fileRequests[0].initialDir, kOldFile);
  EXPECT_EQ(fake.dialogs.fileRequests[3].initialDir, kAppPath);
  EXPECT_EQ(module.QuestionFilePath, kChosen);
  Offer(u"C:\\quiz\\odd.kxd", 350);
  Select();  // a cancel after a refusal leaves no path
  EXPECT_EQ(module.QuestionFilePath, u"");
}

TEST_F(SelectQuestionFileTest, PathsTheSettingsFileCannotHoldAreRefused) {
  const std::u16string fits = u"C:\\" + std::u16string(248, u'a') + u".kxd";  // 255 bytes
  const std::u16string tooLong = u"C:\\" + std::u16string(249, u'a') + u".kxd";
  const std::u16string wideTooLong = u"C:\\" + std::u16string(125, u'問') + u".kxd";  // 257
  for (const auto& path : {tooLong, wideTooLong, std::u16string(u"C:\\quiz\\café.kxd")}) {
    Offer(path, 351);
  }
  // The dialog's buffer comes back padded with NULs.
  std::u16string buffer = fits;
  buffer.resize(256, u'\0');
  fake.files.contents[fits] = std::string(351, 'x');
  fake.dialogs.fileAnswers.emplace_back(buffer);
  Select();
  EXPECT_EQ(Messages(), std::vector<std::u16string>(3, kUnusable));
  EXPECT_EQ(module.QuestionFilePath, fits);
}

TEST(JudgeFileLength, ChecksTheCurrentRecordSizeFirst) {
  using enum FileLengthVerdict;
  for (const std::uint64_t length : {0ull, 351ull, 351ull * 211, 351ull * 279 * 1000000}) {
    EXPECT_EQ(JudgeFileLength(length), kAccepted) << length;
  }
  for (const std::uint64_t length : {211ull, 279ull, 558ull}) {
    EXPECT_EQ(JudgeFileLength(length), kOldFormat) << length;
  }
  for (const std::uint64_t length : {1ull, 350ull, 352ull, 0x100000000ull}) {
    EXPECT_EQ(JudgeFileLength(length), kUnusable) << length;
  }
}

}  // namespace
}  // namespace kx
