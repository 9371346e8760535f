// The question-file tool: building records from rows, checking and dumping
// them, and the command as a user runs it on files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "anki_header.h"
#include "anki_markup.h"
#include "console_output.h"
#include "delimited_reader.h"
#include "forms/files_std.h"
#include "kxd_command.h"
#include "kxd_messages.h"
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

// Both texts of a message name the same things, each filled in.
TEST(KxdMessages, BothTextsOfEveryMessageHoldTheSamePlaceholders) {
  for (const MessageTexts& texts : AllMessages()) {
    std::string named[2];
    for (const Language language : {Language::kEnglish, Language::kJapanese}) {
      const std::string text = Text(language, texts.id, {"\x01", "\x02", "\x03", "\x04"});
      EXPECT_FALSE(std::regex_search(text, std::regex("\\{[0-9]\\}"))) << text;
      std::string& found = named[language == Language::kJapanese];
      std::copy_if(text.begin(), text.end(), std::back_inserter(found),
                   [](char c) { return c > 0 && c < 5; });
      std::sort(found.begin(), found.end());
    }
    EXPECT_EQ(named[0], named[1]) << texts.english;
  }
}

TEST(KxdBuild, RecordsHaveTheFixedLayoutAndDumpGivesTheInputBack) {
  // 2 + 143 x 2 = 288 bytes, the last character double-byte and ending on byte 288.
  const std::string rows =
      "ab" + Repeat("あ", 143) + "," + Repeat("ｱ", 60) + "\n" +
      "\"commas, inside\",\"say \"\"hi\"\"\"\n「ＪＩＳ」～①Ⅱ㈱,≒∵\uE000\n事実[じじつ],\n";
  const BuiltQuiz quiz = BuildQuiz(rows, ',');
  ASSERT_TRUE(quiz.refusals.empty()) << quiz.refusals[0].message;
  ASSERT_EQ(quiz.records.size(), 4u * kRecordSize);
  EXPECT_EQ(quiz.records.substr(286, 2), "\x82\xA0");
  EXPECT_EQ(quiz.records.substr(288, 60), std::string(60, '\xB1'));
  EXPECT_EQ(quiz.records.substr(348, 3), " \r\n");
  EXPECT_EQ(DumpQuiz(quiz.records).csv, AsDump(rows));  // the last a statement, as typed
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
      {"\r\n\"a\"\"b\",c\n\nq,😀x〜\n\"two\nlines\",a\nq,\x01\n",
       {"in.csv:4: answer: U+1F600 '😀' has no code page 932 form",
        "in.csv:4: answer: U+301C '〜' has no code page 932 form; write U+FF5E '～' instead",
        "in.csv:5: question: holds a line break (U+000A); a record holds one line",
        "in.csv:7: answer: holds the control character U+0001"}},
      {"q\xFF,a\nq,a,extra\n,a\n\"open,a,b\n",
       {"in.csv:1: question: invalid UTF-8: byte 0xFF at byte 2 of the field",
        "in.csv:2: expected 2 fields (question, answer), found 3",
        "in.csv:3: question: empty; the ticker would have nothing to show",
        "in.csv:4: a quoted field that starts here is never closed"}},
      {"Question,Answer\n", {"in.csv: no questions in the file"}},
      {"a,\x7F\nb,\xC2\x9F\nc,x\xC2\xA0y\n",
       {"in.csv:1: answer: holds the control character U+007F",
        "in.csv:2: answer: holds the control character U+009F",
        "in.csv:3: answer: U+00A0 '\xC2\xA0' has no code page 932 form"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> found;
    for (const Refusal& refusal : BuildQuiz(c.input, ',').refusals) {
      found.push_back(FormatRefusal("in.csv", refusal));
    }
    EXPECT_EQ(found, c.refusals) << c.input;
  }
  const std::pair<std::string, std::string> lookAlikes[] = {
      {"−", "U+FF0D"}, {"‖", "U+2225"}, {"—", "U+2015"}, {"¢", "U+FFE0"}, {"£", "U+FFE1"},
      {"¥", "U+FFE5"}, {"¬", "U+FFE2"}, {"¦", "U+FFE4"}, {"‾", "U+FFE3"}};
  for (const auto& [typed, instead] : lookAlikes) {
    const BuiltQuiz quiz = BuildQuiz(typed + "あ\ta\nあ\ta\n", '\t');
    EXPECT_NE(quiz.refusals.at(0).message.find(instead), std::string::npos) << typed;
    EXPECT_EQ(quiz.records.substr(0, 3), "\x82\xA0 ");  // learnt beside the refused character
  }
}

// Encodings, delimiters and a deck's header lines, as the command finds them.
TEST(KxdInput, TheFileSaysHowItIsRead) {
  // Each lone half of a surrogate pair is a fault of its own row; U+E000 is a character.
  const auto lone =
      DecodeInput(EncodeUtf16Le(u"\xD83D\xE000\xDC00\xDFFF\xD800"), InputEncoding::kUtf16);
  EXPECT_EQ(lone.text, "\uFFFD\uE000\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(std::ranges::count(lone.faults, false, &TextFault::wholeFile), 4);
  const std::tuple<std::string_view, std::string_view, char> delimited[] = {
      {".tsv", "a,b\n", '\t'},
      {".TSV", "a,b\n", '\t'},
      {"x.csv", "q,a\nb\tc\td\n", ','},
      {"x.csv", "a\tb\tc,d\n", '\t'},
      {"x.csv", "1,2\t3\n", ','}};  // commas on a tie
  for (const auto& [name, bytes, delimiter] : delimited)
    EXPECT_EQ(DetectDelimiter(name, bytes, false), delimiter) << bytes;
  // The separator and the 0-based columns that are no field; "10000" is no column number.
  const std::tuple<std::string, char, std::vector<std::size_t>> headers[] = {
      {"#separator:|\n#tags column:12\n", '|', {11}},
      {"#separator: ;\r\n#deck column:1000\r\n#guid column:10000\n", ';', {999}},
      {"Xseparator:;\n", 0, {}}};  // no header line
  for (auto [text, separator, others] : headers) {
    const AnkiHeader header = TakeAnkiHeader(text);
    EXPECT_EQ(std::pair(header.separator, header.otherColumns), std::pair(separator, others));
  }
}

// What kxd writes reaches a console at each line end, and in blocks of 64 KiB
// when no line ends, never with a character cut between two writes.
TEST(KxdOutput, ConsolesGetWholeCharactersOnly) {
  static std::string written;  // each write followed by '|'
  struct Recorder : TextSink {
    bool Write(std::string_view utf8) override {
      return written.append(utf8).append("|").find('!') == std::string::npos;
    }
    bool IsConsole() const override { return true; }
  };
  {
    SinkStream stream(std::make_unique<Recorder>());
    stream << "\xF0\x9F\x98" << std::flush << "\x80\xE0\xA0" << std::flush << '\x80' << "é"
           << std::flush << "😀" << std::flush << "あ" << std::flush << std::string(65535, 'x')
           << '\xE3' << "\x81\x82\nz" << '\xE3';
  }
  EXPECT_EQ(written, "😀|\xE0\xA0\x80é|😀|あ|" + std::string(65535, 'x') + "|あ\nz|\xE3|");
  // A write that holds '!' fails, and so does the stream, at a flush or a line end.
  EXPECT_FALSE(SinkStream(std::make_unique<Recorder>()) << "!" << std::flush);
  EXPECT_FALSE(SinkStream(std::make_unique<Recorder>()) << "!" << '\n');
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
      {RawRecord("\x82\xA0 \x82\x40 \x85\xA0", "A\xFF\x7F", "\xFF\r\n"),
       {"q.kxd: record 1: question: no code page 932 character: bytes 0x82 0x40 at byte 4 (and "
        "1 more)",
        "q.kxd: record 1: answer: no code page 932 character: byte 0xFF at byte 290",
        "q.kxd: record 1: answer: control byte 0x7F at byte 291",
        "q.kxd: record 1: byte 349 (0xFF) is not a single-byte character"}},
      {RawRecord("Q", "A", "\r\n\n") + RawRecord("Question\r\n\r\nbreak", "A"),
       {"q.kxd: record 1: bytes 350-351 are not CR LF",
        "q.kxd: record 1: a CR LF at bytes 349-350 splits the record",
        "q.kxd: record 2: a CR LF at bytes 9-10 splits the record",
        "q.kxd: record 2: a CR LF at bytes 11-12 splits the record"}},
      {"", {"q.kxd: empty: no records (the ticker would show its built-in sample)"}},
      {std::string(211, 'x'),
       {"q.kxd: length 211 is not a multiple of 351; it is a multiple of 211, an older record "
        "size that the program refuses"}},
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

TEST(KxdMarkup, CardFieldsBecomeTheLineTheTickerShows) {
  const struct {
    std::u16string html;
    bool reading;
    std::u16string text;
  } cases[] = {
      {u"<ruby>漢字<rp>(</rp><rt>かんじ</rt><rp>)</rp></ruby>です", false, u"漢字です"},
      {u"<ruby>漢字<rp>(</rp><rt>かんじ</rt><rp>)</rp></ruby>です", true, u"漢字(かんじ)です"},
      {u"日本[にほん]の 首都[しゅと]", true, u"日本(にほん)の首都(しゅと)"},
      {u"東京[とうきょう][と]", false, u"東京[と]"},  // a reading ends its base
      // Only kana after a kanji are a reading.
      {u"配列a[0]の値は？ 速さ[km/h] 秒[s]", true, u"配列a[0]の値は？ 速さ[km/h] 秒[s]"},
      {u"{{c1::東京::とうきょう}}は{{c2::{{c3::首都}}::}}だ", false, u"東京は首都だ"},
      {u"3&times;4&hellip;&bogus; &lt;&amp;", false, u"3×4…&bogus; <&"},
      {u"一 <br />二<!-- x -->三<DIV class=\"a\">四", false, u"一 二三 四"},
      {u"&#65;&#000000065;&#0000000065;&#0;&#6a;&#x4g;AT&T a&nbsp;b &lt;#&lt;", false,
       u"AA&#0000000065;&#0;&#6a;&#x4g;AT&T a b <#<"},
      {u"&#xD800;&#xDFFF;&#xE000;&#x10FFFF;&#x110000;", false,
       u"&#xD800;&#xDFFF;\uE000\U0010FFFF&#x110000;"},
      {u"{{c9::a}}{{c10::b}}{{c12345::c}}{{c123456::d}}{{ca::e}}{{c::f}}{{c1:g}}a::b[sound:s]h",
       false, u"abc{{c123456::d}}{{ca::e}}{{c::f}}{{c1:g}}a::bh"},
      {u"&nbsp;㐀[あ]䶿[あ]一[あ]鿿[あ]\uF900[あ]\uFAFF[あ]", true,
       u"㐀(あ)䶿(あ)一(あ)鿿(あ)\uF900(あ)\uFAFF(あ)"},
      {u"々[あ]〇[あ]\U00020000[あ]\U000203FF[ぁヿｦﾟ]", true,
       u"々(あ)〇(あ)\U00020000(あ)\U000203FF(ぁヿｦﾟ)"},
      {u"<ruby>漢<rt>か<b>ん</b>じ<rb>字<rt>じ</ruby>", true, u"漢(かんじ)字(じ)"},
      {u"[か]\u4DC0[あ]\uA000[あ]\uFB00[あ]\u3008[あ]字[\u3100]字[\uFFA0]", true,
       u"[か]\u4DC0[あ]\uA000[あ]\uFB00[あ]\u3008[あ]字[\u3100]字[\uFFA0]"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> problems;
    EXPECT_EQ(PlainCardText(StripHtml(c.html, c.reading, problems), c.reading), c.text);
    EXPECT_TRUE(problems.empty());
  }
}

// The command on files, each run in a folder of its own.
TEST(KxdCommand, BuildsWhatSpreadsheetsAndDecksSaveAndNeverReplacesOnRefusal) {
  namespace fs = std::filesystem;
  fs::path dir;
  for (int i = 0;
       !fs::create_directory(dir = fs::temp_directory_path() / ("kxd_test_" + std::to_string(i)));
       ++i) {
  }
  const auto write = [&](const std::string& name, std::string_view bytes) {
    std::ofstream((dir / name).string(), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return (dir / name).string();
  };
  std::ostringstream out, err;
  // Messages without the folder, as a user in it would see them.
  const auto messages = [&] {
    std::string text = err.str();
    const std::string folder = (dir / "").string();
    for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
      text.erase(at, folder.size());
    return text;
  };
  // Each run in Japanese first, which leaves no English word but what is typed
  // (commands, options, file names).
  const std::regex english("(^|[^-a-z])(?!(help|build|check|dump)\\b)[a-z]{4,}");
  const auto run = [&](std::vector<std::string> args) {
    for (const bool japanese : {true, false}) {
      out.str("");
      err.str("");
      args.insert(args.begin(), {"--lang", japanese ? "ja" : "en"});
      const int status = RunKxd(args, out, err);
      args.erase(args.begin(), args.begin() + 2);
      if (!japanese) return status;
      const bool dump = !args.empty() && args[0] == "dump";  // out holds the questions
      err << (dump ? "" : out.str());
      const std::string shown =
          std::regex_replace(messages(), std::regex("「[^」]*」|[^ ]+\\.(csv|txt|kxd)"), "");
      EXPECT_FALSE(std::regex_search(shown, english)) << shown;
    }
    return -1;
  };
  const std::string utf8 = "in.csv: read as UTF-8\n";
  const std::string ten = "c1,c2,c3,c4,c5,c6,c7,c8,c9,c10\n";
  const std::string deck =
      "#separator: Tab \n#html:true\n#guid column:1\n#deck column:2\n#tags column:5\n"
      "g1\t地理\t<b>日本[にほん]</b>の<br> 首都[しゅと]は？<img src=\"a.png\">\t"
      "東京&amp;&#x4EAC;&nbsp;[sound:a.mp3]\ttag\ng2\t地理\t長い\t😀\t\n"
      "g3\t鳥\t&yen;\t<img src=\"bird.jpg\"> [sound:b.mp3]\t\n";
  const struct {
    std::string name, bytes;
    std::string options;  // separated by spaces
    std::string csv;      // the dump of what was written; empty: the old file stays
    std::string err;
  } cases[] = {
      {"in.csv", "\xEF\xBB\xBF問題,解答,\r\n\"富士山, 日本一\",3776m,\r\n", "",
       "\"富士山, 日本一\",3776m\n", utf8},
      {"in.csv", "番号,問題,解答,備考\n1,富士山は？,\"静岡\"", "--fields 2,3", "富士山は？,静岡\n",
       utf8},
      {"in.txt", "\xFF\xFE" + EncodeUtf16Le(u"問題\t解答\r\n富士山,高さ\t3,776m\r\n"), "",
       "\"富士山,高さ\",\"3,776m\"\n", "in.txt: read as UTF-16LE\n"},
      {"in.txt",
       "\xFF\xFE" + EncodeUtf16Le(u"\U00010000\tq\r\n") + "\x3D\xD8" +
           EncodeUtf16Le(u"\ta\r\nx\ty\r\nz\tw\U0010FFFF") + "A",
       "--skip-bad --encoding utf-16", "",
       "in.txt: read as UTF-16LE\nin.txt:1: question: U+10000 '\xF0\x90\x80\x80' has no code page "
       "932 form\nin.txt:2: UTF-16 unit 0xD83D is half of a surrogate pair whose other half is "
       "missing\nin.txt:4: answer: U+10FFFF '\xF4\x8F\xBF\xBF' has no code page 932 form\n"
       "in.txt:4: the file ends in half a UTF-16 character (the byte 0x41): it may be cut short\n"
       "in.txt: 4 problems; out.kxd not written\n"},
      {"in.csv", *EncodeCp932(u"富士山・高さ,3776m\r\nｶﾅ,"), "", "富士山・高さ,3776m\nｶﾅ,\n",
       "in.csv: read as code page 932\n"},
      {"in.csv", *EncodeCp932(u"問題,解答\r\n富士山,山\r\n") + "q,\x85\x40\r\n",
       "--encoding cp932 --skip-bad", "富士山,山\n",
       "in.csv: read as code page 932\n"
       "in.csv:3: answer: not code page 932: byte 0x85 at byte 1 of the field\n"
       "in.csv: 1 row skipped; 1 written\n"},
      {"in.csv", "\xC3\xA9,\t\n", "--skip-bad",
       "",  // ﾃｩ in code page 932
       "in.csv: read as UTF-8, though it is code page 932 text as well, which reads differently "
       "(--encoding cp932 reads it so)\n"
       "in.csv:1: question: U+00E9 'é' has no code page 932 form\n"
       "in.csv:1: answer: holds the control character U+0009\nin.csv: 2 problems; out.kxd not "
       "written\n"},
      {"in.csv", "q,a\n\"open,a\nq2,a2", "--skip-bad", "",
       utf8 + "in.csv:2: a quoted field that starts here is never closed, so lines 2-3 cannot be "
              "read as rows\n"
              "in.csv: 1 problem; out.kxd not written\n"},
      {"in.txt", deck, "--skip-bad", "日本の首都は？,東京&京\n",
       "in.txt: read as UTF-8\n"
       "in.txt:7: answer: U+1F600 '😀' has no code page 932 form\n"
       "in.txt:8: question: &yen; ('¥') has no code page 932 form\n"
       "in.txt:8: answer: holds only markup, pictures or sounds; the ticker would have nothing "
       "to show\n"
       "in.txt: 2 rows skipped; 1 written\n"},
      {"in.txt", "#html:false\n1, 2, 3\tsum\n", "", "\"1, 2, 3\",sum\n", "in.txt: read as UTF-8\n"},
      {"in.txt", "1,2\t3\n", "--tsv --encoding utf8", "\"1,2\",3\n", "in.txt: read as UTF-8\n"},
      {"in.txt", "#html:false\n#: q,a\n", "", "#: q,a\n", "in.txt: read as UTF-8\n"},
      {"in.txt", "#separator:Fo\n#tags column:x\n", "", "",
       "in.txt: read as UTF-8\nin.txt:1: unknown separator 'Fo'\nin.txt:2: 'x' is no column "
       "number\n"},
      {"in.csv", "q,a\nq,a,x\n", "", "",
       utf8 + "in.csv:2: expected 2 fields (question, answer), found 3\n"
              "in.csv: 1 problem; out.kxd not written\n"},
      {"in.txt", "#html:false\n日本[にほん]\t首都\n", "--reading", "日本(にほん),首都\n",
       "in.txt: read as UTF-8\n"},
      {"in.csv", ten, "--fields 10,1", "c10,c1\n", utf8},
      {"in.csv", "q,a\nQuestion,Answer\n", "", "q,a\nQuestion,Answer\n", utf8},
      {"in.csv", "問題,解答\n問題,解答\n", "", "問題,解答\n", utf8},
      // Marked UTF-8 is never taken for code page 932, though its bytes are that too.
      {"in.csv", "\xEF\xBB\xBFα,β\n", "", "α,β\n", utf8},
      {"in.csv", "q,\xFF\n", "", "",
       utf8 + "in.csv:1: answer: invalid UTF-8: byte 0xFF at byte 1 of the field\n"
              "in.csv: 1 problem; out.kxd not written\n"},
      {"in.csv", "\"a\"b,c\nq,a\n", "--skip-bad", "q,a\n",
       utf8 + "in.csv:1: text after the closing quote of a field (inside quotes, write a quote as "
              "two quotes)\nin.csv: 1 row skipped; 1 written\n"},
  };
  for (const auto& c : cases) {
    write("out.kxd", "old");
    std::vector<std::string> args = {"build", write(c.name, c.bytes), "-o",
                                     (dir / "out.kxd").string()};
    for (std::istringstream words(c.options); words >> args.emplace_back();) {
    }
    args.pop_back();
    EXPECT_EQ(run(args), c.csv.empty() ? kExitProblems : kExitOk);
    EXPECT_EQ(messages(), c.err) << c.bytes;
    EXPECT_EQ(run({"dump", (dir / "out.kxd").string()}), c.csv.empty() ? kExitProblems : kExitOk);
    EXPECT_EQ(out.str(), "\xEF\xBB\xBF" + AsDump(c.csv));
    // Dump, edit in a spreadsheet, build: the same file again.
    if (c.csv.empty()) continue;
    EXPECT_EQ(
        run({"build", write("back.csv", out.str()), "--output=" + (dir / "back.kxd").string()}),
        kExitOk);
    EXPECT_EQ(StdFiles().ReadWhole((dir / "back.kxd").u16string()),
              StdFiles().ReadWhole((dir / "out.kxd").u16string()));
  }
  const std::string q = write("q.csv", "q,a\n");
  // A misuse named as "kxd: ..." ends with the way to the help.
  const std::pair<std::vector<std::string>, std::string> misuses[] = {
      {{"frobnicate"}, "kxd: unknown command or file 'frobnicate'\n"},
      {{"check", "-", "-o"}, "kxd: unknown option '-o' for check\n"},
      {{"check", "--csv"}, "kxd: unknown option '--csv' for check\n"},
      {{"check", (dir / "none.kxd").string()}, "none.kxd: cannot be read\n"},
      {{"dump", "--csv"}, "kxd: unknown option '--csv' for dump\n"},
      {{"dump"}, "kxd: dump takes one question file\n"},
      {{"dump", q, "-o", (dir / "no/such/x.csv").string()}, "no/such/x.csv: cannot be written\n"},
      {{"build", q, "-o", (dir / "no/such/x.kxd").string()},
       "q.csv: read as UTF-8\nno/such/x.kxd: cannot be written\n"},
      {{"build", q, "-o"}, "kxd: -o needs a file name\n"},
      {{"build", q, q, "-o", "x.kxd"}, "kxd: build takes one input file\n"},
      {{"build", q}, "kxd: build needs -o OUTPUT.kxd\n"},
      {{"build", q, "--fields", "1x,2", "-o", "x.kxd"},
       "kxd: --fields takes two different field numbers from 1, as in 2,1\n"},
      {{"build", q, "-o", "x.kxd", "--encoding"}, "kxd: --encoding takes utf-8, utf-16 or cp932\n"},
      {{"help", "--lang"}, "kxd: --lang takes ja or en\n"}};
  for (const auto& [args, message] : misuses) {
    EXPECT_EQ(run(args), 2) << message;  // the exit statuses help names
    EXPECT_EQ(messages(), message + (message.starts_with("kxd:") ? "Try 'kxd help'.\n" : ""));
  }
  EXPECT_EQ(ChosenLanguage({"help"}, LanguageOfLocale("ja_JP.UTF-8")), Language::kJapanese);
  const fs::path start = fs::current_path();
  fs::current_path(dir);
  fs::create_directory("sub.d");
  for (const std::string name : {"a-b.csv", ".q", "sub.d/a.csv", "sub.d/.q", "sub.d/q"}) {
    write(name, "q,a\n");
    EXPECT_EQ(run({name}), kExitOk) << name;
    EXPECT_EQ(out.str(),
              "1 question written to " + fs::path(name).replace_extension(".kxd").string() + "\n");
  }
  fs::current_path(start);
  EXPECT_EQ(run({write("Z.KXD", "q,a\n")}), 1);  // checked, never built over
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(run({}), kExitUsage);
  // A drop with rows that do not fit asks whether to write the others: only a yes does.
  const std::pair<const char*, bool> replies[] = {
      {"y", true}, {" YES", true}, {"n", false}, {"", false}, {nullptr, false}};
  for (const auto& [reply, yes] : replies) {
    fs::remove(dir / "odd.kxd");
    std::string asked;
    const KxdUser user{Language::kEnglish, [&, answer = reply](const std::string& question) {
                         asked = question;
                         return answer ? std::optional<std::string>(answer) : std::nullopt;
                       }};
    out.str("");
    err.str("");
    ASSERT_EQ(RunKxd({"--lang=ja", write("odd.csv", "q1,a1\nq2,😀\nq3,a3\n")}, out, err, user),
              yes ? kExitOk : kExitProblems);
    EXPECT_TRUE(asked.ends_with("odd.csv: 3問のうち2問を書き込みますか？ (y/n) ")) << asked;
    EXPECT_NE(err.str().find("odd.csv 2行目: 解答: U+1F600 '😀' はコードページ932にない文字です"),
              std::string::npos);
    EXPECT_EQ(fs::exists(dir / "odd.kxd") ? fs::file_size(dir / "odd.kxd") : 0,
              yes ? 2u * kRecordSize : 0u);
  }
  fs::remove_all(dir);
}

TEST(KxdReaders, SeparatorsHeadersQuotesAndLearntForms) {
  EXPECT_EQ(DetectDelimiter("", "q,a\n", true), ',');  // a deck export without tabs
  std::string deck = "#separator: ; \n#html:true\r\n#deck column:12\n#tags column:10000\n#:1\n";
  std::string one = "#separator:|\nXseparator:,\n", found;
  const AnkiHeader header = TakeAnkiHeader(deck);
  EXPECT_EQ(std::tuple(header.separator, header.html, header.otherColumns, header.problems.size(),
                       deck.ends_with(" \n#:1\n"), TakeAnkiHeader(one).separator),
            std::tuple(';', true, std::vector<std::size_t>{11}, 1u, true, '|'));
  for (const Refusal& refusal : BuildQuiz("q,a\n\"q,😀\nx", ',').refusals) found += refusal.message;
  EXPECT_EQ(found,
            "a quoted field that starts here is never closed, so lines 2-3 cannot be read as rows");
  const TextFault atEnd[] = {{24, "at the end", false}};  // a last row ends where the text does
  BuildOptions options;
  options.textFaults = atEnd;
  const BuiltQuiz learnt = BuildQuiz("q,あ〜\n\"q\"x,a\nq,あ\xEE\x80\x80", options);
  EXPECT_EQ(std::pair(learnt.unreadable, learnt.records.substr(288, 4)),
            std::pair(false, std::string("\x82\xA0\xF0\x40")));
}

}  // namespace
}  // namespace kx
