// The kxd command as a user runs it: files on disk, exit statuses, what goes
// to standard output and what to standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "kxd_command.h"
#include "questions/record_format.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

class KxdCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("kxd_test_") + test->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  std::string Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(dir_ / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return PathOf(name);
  }
  static std::string Read(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
  }
  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunKxd(args, out_, err_);
  }

  fs::path dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(KxdCommand, BuildCheckDumpRoundTripThroughFiles) {
  const std::string input = Write("quiz.csv", "問題,解答\n\"富士山, 日本一\",3776m\nﾊﾝｶｸ,ｶﾅ\n");
  const std::string output = PathOf("quiz.kxd");
  EXPECT_EQ(Run({"build", input, "--output", output}), kExitOk);
  EXPECT_EQ(out_.str() + err_.str(), "");
  EXPECT_EQ(Run({"check", output}), kExitOk);
  EXPECT_EQ(Run({"dump", output, "--output=" + PathOf("again.csv")}), kExitOk);
  EXPECT_EQ(Read(PathOf("again.csv")), "question,answer\n\"富士山, 日本一\",3776m\nﾊﾝｶｸ,ｶﾅ\n");
  EXPECT_EQ(Run({"dump", Write("short.kxd", "Q")}), kExitProblems);
  EXPECT_EQ(out_.str(), "question,answer\n");
}

TEST_F(KxdCommand, RefusalsAreAllReportedAndNothingIsWritten) {
  const std::string input = Write("bad.csv", "q1,a1\nq2 é,a2\nq3,\nok,ok\n");
  const std::string output = Write("bad.kxd", "old");
  EXPECT_EQ(Run({"build", input, "-o", output}), kExitProblems);
  EXPECT_EQ(err_.str(), input + ":2: question: U+00E9 'é' has no code page 932 form\n" + input +
                            ":3: answer: empty; the ticker would have nothing to show\n" + input +
                            ": 2 problems; " + output + " not written\n");
  EXPECT_EQ(Read(output), "old");
}

TEST_F(KxdCommand, CheckReportsDefectsAndUnreadableFilesAndUsage) {
  std::string bad(kLineBytes, ' ');
  bad[kQuestionBytes - 1] = '\x82';
  bad += "\r\n";
  EXPECT_EQ(Run({"check", Write("bad.kxd", bad)}), kExitProblems);
  EXPECT_EQ(Run({"check", PathOf("missing.kxd")}), kExitUsage);
  EXPECT_EQ(err_.str(), PathOf("missing.kxd") + ": cannot be read\n");
  const std::string input = Write("q.csv", "q,a\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{},
        {"frobnicate"},
        {"check", dir_.string()},
        {"build", input},
        {"build", input, "-o"},
        {"build", input, "-o", PathOf("x.kxd"), "--fast"},
        {"build", input, "-o", PathOf("no/such/folder/x.kxd")}}) {
    EXPECT_EQ(Run(args), kExitUsage) << args.size();
  }
  EXPECT_EQ(Run({"build", "--help"}), kExitOk);
  EXPECT_EQ(out_.str().rfind("Usage: kxd build", 0), 0u);
}

}  // namespace
}  // namespace kx
