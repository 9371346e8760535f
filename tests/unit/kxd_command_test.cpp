// The kxd command as a user runs it: files on disk, exit statuses, what goes
// to standard output and what to standard error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "kxd_command.h"
#include "questions/record_format.h"
#include "quiz_checker.h"
#include "text/cp932.h"
#include "text/utf16.h"

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
  const std::string input = Write("bad.csv", "q1,a1\nq2 é,a2\n,a3\nok,ok\n");
  const std::string output = Write("bad.kxd", "old");
  EXPECT_EQ(Run({"build", input, "-o", output}), kExitProblems);
  EXPECT_EQ(err_.str(), input + ":2: question: U+00E9 'é' has no code page 932 form\n" + input +
                            ":3: question: empty; the ticker would have nothing to show\n" + input +
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
}

TEST_F(KxdCommand, BuildReadsWhatSpreadsheetsAndDecksSave) {
  std::string longAnswer;
  for (int i = 0; i < 31; ++i) longAnswer += "答";
  const std::string deck =
      "#separator:tab\n#html:true\n#guid column:1\n#deck column:2\n#tags column:5\n"
      "g1\t地理\t<b>日本[にほん]</b>の<br> 首都[しゅと]は？<img src=\"a.png\">\t"
      "東京&amp;&#x4EAC;&nbsp;[sound:a.mp3]\ttag\n"
      "g2\t地理\t\"長い<div>行</div>\"\t" +
      longAnswer + "\t\n";
  struct Case {
    std::string name, bytes;
    std::vector<std::string> options;
    std::string csv;  // the dump of what was written; empty: nothing written
    std::string err;  // with the folder left out of the names
  } cases[] = {
      {"in.csv",
       "\xEF\xBB\xBF問題,解答\r\n\"富士山, 日本一\",3776m\r\n",
       {},
       "\"富士山, 日本一\",3776m\n",
       ""},
      {"in.txt",
       "\xFF\xFE" + EncodeUtf16Le(u"問題\t解答\r\n富士山・高さ\t3776m\r\n"),
       {},
       "富士山・高さ,3776m\n",
       "in.txt: read as UTF-16LE\n"},
      {"in.csv",
       *EncodeCp932(u"富士山・高さ,3776m\r\nｶﾅ,\r\n"),
       {},
       "富士山・高さ,3776m\nｶﾅ,\n",
       "in.csv: read as code page 932\n"},
      {"in.csv", "富士,山\n", {}, "富士,山\n", ""},  // UTF-8 that is also code page 932
      {"in.csv",
       "富士,山\n",
       {"--encoding", "cp932"},
       "蟇悟｣ｫ,螻ｱ\n",
       "in.csv: read as code page 932\n"},
      {"in.csv",
       "q,\x85\x40\n",
       {},
       "",
       "in.csv:1: answer: invalid UTF-8: byte 0x85 at byte 1 of the field\n"
       "in.csv: 1 problem; out.kxd not written\n"},
      {"in.txt",
       deck,
       {"--skip-bad"},
       "日本の首都は？,東京&京\n",
       "in.txt:7: answer: 62 bytes in code page 932; at most 60 fit (30 full-width characters)\n"
       "in.txt: 1 row skipped; 1 written\n"},
      {"in.txt",
       deck,
       {"--reading", "--fields", "2,1"},
       "東京&京,日本(にほん)の首都(しゅと)は？\n" + longAnswer + ",長い 行\n",
       ""},
  };
  for (const Case& c : cases) {
    fs::remove(PathOf("out.kxd"));
    std::vector<std::string> args = {"build", Write(c.name, c.bytes), "-o", PathOf("out.kxd")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    Run(args);
    std::string err = err_.str();
    for (auto at = err.find(PathOf("")); at != std::string::npos; at = err.find(PathOf(""))) {
      err.erase(at, PathOf("").size());
    }
    EXPECT_EQ(err, c.err) << c.bytes;
    if (!c.csv.empty()) {
      EXPECT_EQ(Run({"dump", PathOf("out.kxd")}), kExitOk) << c.bytes;
      EXPECT_EQ(out_.str(), "question,answer\n" + c.csv);
    }
    EXPECT_EQ(fs::exists(PathOf("out.kxd")), !c.csv.empty());
  }
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
