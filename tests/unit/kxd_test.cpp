// The question-file tool: building records from rows, checking and dumping
// them, and the command as a user runs it on files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "forms/files_std.h"
#include "kxd_command.h"
#include "questions/record_format.h"
#include "quiz_builder.h"
#include "quiz_checker.h"
#include "quiz_dump.h"
#include "text/cp932.h"
#include "text/utf16.h"
#include "unit/question_test_records.h"

namespace kx {
namespace {

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// What dump writes for LF-ended CSV rows: Japanese Excel's form of them.
std::string AsDump(const std::string& rows) {
  return "問題,解答\r\n" + std::regex_replace(rows, std::regex("\n"), "\r\n");
}

TEST(KxdBuild, RecordsHaveTheFixedLayoutAndDumpGivesTheInputBack) {
  // 2 + 143 x 2 = 288 bytes, the last character double-byte and ending on byte 288.
  const std::string rows = "ab" + Repeat("あ", 143) + "," + Repeat("ｱ", 60) + "\n" +
                           "\"commas, inside\",\"say \"\"hi\"\"\"\n「ＪＩＳ」～①Ⅱ㈱,≒∵\nfact,\n";
  const BuiltQuiz quiz = BuildQuiz(rows, ',');
  ASSERT_TRUE(quiz.refusals.empty()) << quiz.refusals[0].message;
  ASSERT_EQ(quiz.records.size(), 4u * kRecordSize);
  EXPECT_EQ(quiz.records.substr(286, 2), "\x82\xA0");
  EXPECT_EQ(quiz.records.substr(288, 60), std::string(60, '\xB1'));
  EXPECT_EQ(quiz.records.substr(348, 3), " \r\n");
  EXPECT_EQ(DumpQuiz(quiz.records).csv, AsDump(rows));  // "fact": a statement
}

TEST(KxdBuild, RefusalsNameTheRowTheFieldAndTheReason) {
  const struct {
    std::string input;
    std::vector<std::string> refusals;
  } cases[] = {
      {"abc" + Repeat("あ", 143) + ",a\nq,a" + Repeat("ア", 30) + "\n",
       {"in.csv:1: question: 289 bytes in code page 932; at most 288 fit (144 full-width "
        "characters)",
        "in.csv:2: answer: 61 bytes in code page 932; at most 60 fit (30 full-width characters)"}},
      // Rows keep their own line numbers past blank lines and quoted breaks.
      {"\n\"a\"\"b\",c\n\nq,😀\n\"two\nlines\",a\nq,\x01\n",
       {"in.csv:4: answer: U+1F600 '😀' has no code page 932 form",
        "in.csv:5: question: holds a line break (U+000A); a record holds one line",
        "in.csv:7: answer: holds the control character U+0001"}},
      {"q\xFF,a\nq,a,extra\n\"open,a\n",
       {"in.csv:1: question: invalid UTF-8: byte 0xFF at byte 2 of the field",
        "in.csv:2: expected 2 fields (question, answer), found 3",
        "in.csv:3: a quoted field that starts here is never closed"}},
      {"question,answer\n", {"in.csv: no questions in the file"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> found;
    for (const Refusal& refusal : BuildQuiz(c.input, ',').refusals) {
      found.push_back(FormatRefusal("in.csv", refusal));
    }
    EXPECT_EQ(found, c.refusals) << c.input;
  }
}

using testing::RawRecord;

TEST(KxdCheck, FindsEachKindOfDefect) {
  const std::string x286(286, 'x');
  const struct {
    std::string bytes;
    std::vector<std::string> problems;
  } cases[] = {
      // Byte 349 is never read; 0x81 0x45 is the converters' stand-in, a real character.
      {RawRecord(x286 + "\x82\xA0", "\xB1\xB2", "7\r\n") + RawRecord("\x81\x45", "A"), {}},
      {RawRecord(x286 + "x\x82", "A"),
       {"q.kxd: record 1: question: a double-byte character is cut at byte 288 (lead byte 0x82)"}},
      {RawRecord("Q", std::string(59, 'y') + "\x88"),
       {"q.kxd: record 1: answer: a double-byte character is cut at byte 348 (lead byte 0x88)"}},
      {RawRecord("Q", std::string(58, 'a') + "\x82\x88", "\x82\r\n"),
       {"q.kxd: record 1: byte 349 (0x82) is not a single-byte character"}},
      {RawRecord("a\x85\x40z\xFF", "A") + RawRecord("   ", "A"),
       {"q.kxd: record 1: question: no code page 932 character: bytes 0x85 0x40 at byte 2 (and "
        "1 more)",
        "q.kxd: record 2: question: empty"}},
      {RawRecord("Q", "A", "   ") + RawRecord("Question\r\nwith a break", "A"),
       {"q.kxd: record 1: bytes 350-351 are not CR LF",
        "q.kxd: record 2: a CR LF at bytes 9-10 splits the record"}},
      {"", {"q.kxd: empty: no records (the ticker would show its built-in sample)"}},
      {RawRecord("Q", "A") + "Q2",
       {"q.kxd: length 353 is not a multiple of 351",
        "q.kxd: record 2: cut short: 2 of 351 bytes"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> found;
    for (const QuizProblem& problem : CheckQuiz(c.bytes)) {
      found.push_back(FormatProblem("q.kxd", problem));
    }
    EXPECT_EQ(found, c.problems) << c.bytes.substr(0, 20);
  }
}

// The command on files, run in a scratch folder so that messages name them alone.
TEST(KxdCommand, BuildsWhatSpreadsheetsAndDecksSaveAndNeverReplacesOnRefusal) {
  namespace fs = std::filesystem;
  const fs::path before = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / "kxd_command_test";
  fs::create_directories(dir);
  fs::current_path(dir);
  const auto write = [](const std::string& name, std::string_view bytes) {
    std::ofstream(name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return name;
  };
  std::ostringstream out, err;
  const auto run = [&](const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return RunKxd(args, out, err);
  };
  const std::string deck =
      "#separator:tab\n#html:true\n#guid column:1\n#deck column:2\n#tags column:5\n"
      "g1\t地理\t<b>日本[にほん]</b>の<br> 首都[しゅと]は？<img src=\"a.png\">\t"
      "東京&amp;&#x4EAC;&nbsp;[sound:a.mp3]\ttag\ng2\t地理\t長い\t😀\t\n";
  const struct {
    std::string name, bytes, option;
    std::string csv;  // the dump of what was written; empty: the old file stays
    std::string err;
  } cases[] = {
      {"in.csv", "\xEF\xBB\xBF問題,解答\r\n\"富士山, 日本一\",3776m,\r\n", "",
       "\"富士山, 日本一\",3776m\n", ""},
      {"in.txt", "\xFF\xFE" + EncodeUtf16Le(u"問題\t解答\r\n富士山・高さ\t3776m\r\n"), "",
       "富士山・高さ,3776m\n", "in.txt: read as UTF-16LE\n"},
      {"in.csv", *EncodeCp932(u"富士山・高さ,3776m\r\nｶﾅ,\r\n"), "", "富士山・高さ,3776m\nｶﾅ,\n",
       "in.csv: read as code page 932\n"},
      {"in.csv", " 富士 , 山 \n", "", "富士,山\n", ""},  // UTF-8 that is also code page 932
      {"in.csv", "q,\x85\x40\n,a\n", "", "",
       "in.csv:1: answer: invalid UTF-8: byte 0x85 at byte 1 of the field\n"
       "in.csv:2: question: empty; the ticker would have nothing to show\n"
       "in.csv: 2 problems; out.kxd not written\n"},
      {"in.txt", deck, "--skip-bad", "日本の首都は？,東京&京\n",
       "in.txt:7: answer: U+1F600 '😀' has no code page 932 form\n"
       "in.txt: 1 row skipped; 1 written\n"},
  };
  for (const auto& c : cases) {
    write("out.kxd", "old");
    std::vector<std::string> args = {"build", write(c.name, c.bytes), "-o", "out.kxd"};
    if (!c.option.empty()) args.push_back(c.option);
    EXPECT_EQ(run(args), c.csv.empty() ? kExitProblems : kExitOk);
    EXPECT_EQ(err.str(), c.err) << c.bytes;
    EXPECT_EQ(run({"dump", "out.kxd"}), c.csv.empty() ? kExitProblems : kExitOk);
    EXPECT_EQ(out.str(), "\xEF\xBB\xBF" + AsDump(c.csv));
    // Dump, edit in a spreadsheet, build: the same file again.
    if (c.csv.empty()) continue;
    EXPECT_EQ(run({"build", write("back.csv", out.str()), "-o", "back.kxd"}), kExitOk);
    EXPECT_EQ(StdFiles().ReadWhole(u"back.kxd"), StdFiles().ReadWhole(u"out.kxd"));
  }
  EXPECT_EQ(run({"check", write("short.kxd", "Q")}), kExitProblems);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"frobnicate"},
        {"check", "none.kxd"},
        {"build", write("q.csv", "q,a\n"), "-o", "no/such/x.kxd"}}) {
    EXPECT_EQ(run(args), kExitUsage) << args.size();
  }
  fs::current_path(before);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kx
