#include "kxd_command.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "anki_header.h"
#include "delimited_reader.h"
#include "forms/files_std.h"
#include "input_encoding.h"
#include "quiz_builder.h"
#include "quiz_checker.h"
#include "quiz_dump.h"
#include "text/utf8.h"
#include "version.h"

namespace kx {
namespace {

constexpr std::string_view kUsage =
    "Usage: kxd build INPUT -o OUTPUT.kxd [--csv | --tsv] [--encoding NAME]\n"
    "                 [--fields N,M] [--reading] [--skip-bad]\n"
    "       kxd check FILE.kxd...\n"
    "       kxd dump FILE.kxd [-o OUTPUT.csv]\n"
    "       kxd INPUT...\n"
    "       kxd help | --version\n"
    "\n"
    "Writes and reads quiz question files: records of 351 bytes in code page 932,\n"
    "the question in bytes 1-288, the answer in bytes 289-348, a space, CR LF.\n"
    "\n"
    "  build  Turns a CSV or TSV file, one question and its answer per row, or a\n"
    "         deck's notes exported as plain text, into a question file.\n"
    "         TSV when the name ends in .tsv or the first line holds more tabs\n"
    "         than commas, unless --csv or --tsv says so. A header row\n"
    "         (question,answer or 問題,解答) is skipped. Every row that cannot be\n"
    "         stored faithfully is reported as INPUT:LINE: ...; then nothing is\n"
    "         written, unless --skip-bad writes every row that fits.\n"
    "         --encoding utf-8|utf-16|cp932 reads the input so; by default a\n"
    "         byte order mark decides, then valid UTF-8, then code page 932.\n"
    "         A deck export's header lines name its separator, its HTML and\n"
    "         its columns; its first two fields are the question and the\n"
    "         answer unless --fields N,M (from 1) names others. Furigana keep\n"
    "         their base text, and with --reading the reading in parentheses.\n"
    "  check  Reports what is wrong with question files, record by record.\n"
    "  dump   Writes the records as CSV, as the ticker shows them, to standard\n"
    "         output or to OUTPUT.csv: UTF-8 with a byte order mark, CR LF, and\n"
    "         the header 問題,解答, as spreadsheets read and build takes back.\n"
    "  INPUT  alone, as when files are dropped on kxd.exe: builds each INPUT's\n"
    "         name with .kxd beside it (a .kxd file is checked instead).\n"
    "\n"
    "Exit status: 0 done, 1 rows refused or problems found, 2 bad usage or a\n"
    "file that cannot be read or written.\n";

int UsageError(std::ostream& err, std::string_view message) {
  err << "kxd: " << message << "\nTry 'kxd help'.\n";
  return kExitUsage;
}

// Arguments are UTF-8 on every system, so a name opens by its wide form on
// Windows whatever the code page.
std::optional<std::u16string> ToPath(const std::string& arg) {
  Utf8Decoded path = DecodeUtf8(arg);
  if (path.error) return std::nullopt;
  return std::move(path.text);
}

std::optional<std::string> ReadFile(const std::string& name, std::ostream& err) {
  const auto path = ToPath(name);
  std::optional<std::string> bytes;
  if (path) bytes = StdFiles().ReadWhole(*path);
  if (!bytes) err << name << ": cannot be read\n";
  return bytes;
}

bool WriteFile(const std::string& name, std::string_view bytes, std::ostream& err) {
  const auto path = ToPath(name);
  if (path && StdFiles().ReplaceWhole(*path, bytes)) return true;
  err << name << ": cannot be written\n";
  return false;
}

struct Arguments {
  std::vector<std::string> files;
  std::string output;
  char delimiter = 0;  // 0: find out from the input
  std::optional<InputEncoding> encoding;
  std::optional<std::pair<std::size_t, std::size_t>> fields;  // 0-based
  bool keepReading = false;
  bool skipBad = false;
};

// "N,M" with both from 1, as 0-based indices.
std::optional<std::pair<std::size_t, std::size_t>> ParseFields(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto number = [](std::string_view digits) -> std::size_t {
    std::size_t value = 0;
    for (const char digit : digits) {
      if (digit < '0' || digit > '9' || value > 999) return 0;
      value = value * 10 + static_cast<std::size_t>(digit - '0');
    }
    return value;
  };
  const std::size_t question = number(text.substr(0, comma));
  const std::size_t answer = number(text.substr(comma + 1));
  if (question == 0 || answer == 0 || question == answer) return std::nullopt;
  return std::pair{question - 1, answer - 1};
}

// Files and the options a command allows; nullopt after reporting a misuse.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, bool allowOutput,
                                        bool allowFormat, std::ostream& err) {
  Arguments parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (allowOutput && (arg == "-o" || arg == "--output")) {
      if (i + 1 == args.size()) {
        UsageError(err, arg + " needs a file name");
        return std::nullopt;
      }
      parsed.output = args[++i];
    } else if (allowOutput && arg.starts_with("--output=")) {
      parsed.output = arg.substr(9);
    } else if (allowFormat && (arg == "--csv" || arg == "--tsv")) {
      parsed.delimiter = arg == "--csv" ? ',' : '\t';
    } else if (allowFormat && (arg == "--encoding" || arg == "--fields")) {
      const std::string value = i + 1 < args.size() ? args[++i] : std::string();
      if (arg == "--encoding" && !(parsed.encoding = ParseEncodingName(value))) {
        UsageError(err, "--encoding takes utf-8, utf-16 or cp932");
        return std::nullopt;
      }
      if (arg == "--fields" && !(parsed.fields = ParseFields(value))) {
        UsageError(err, "--fields takes two different field numbers from 1, as in 2,1");
        return std::nullopt;
      }
    } else if (allowFormat && arg == "--reading") {
      parsed.keepReading = true;
    } else if (allowFormat && arg == "--skip-bad") {
      parsed.skipBad = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      UsageError(err, "unknown option '" + arg + "' for " + args[0]);
      return std::nullopt;
    } else {
      parsed.files.push_back(arg);
    }
  }
  return parsed;
}

int Build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseArguments(args, true, true, err);
  if (!parsed) return kExitUsage;
  if (parsed->files.size() != 1) return UsageError(err, "build takes one input file");
  if (parsed->output.empty()) return UsageError(err, "build needs -o OUTPUT.kxd");
  const std::string& input = parsed->files[0];
  auto bytes = ReadFile(input, err);
  if (!bytes) return kExitUsage;

  InputText text = DecodeInput(*std::move(bytes), parsed->encoding);
  err << input << ": read as " << EncodingName(text.encoding);
  if (text.alsoCp932) {
    err << ", though it is code page 932 text as well, which reads differently (--encoding "
           "cp932 reads it so)";
  }
  err << '\n';
  const AnkiHeader deck = TakeAnkiHeader(text.text);
  for (const std::string& problem : deck.problems) err << input << ':' << problem << '\n';
  if (!deck.problems.empty()) return kExitProblems;
  BuildOptions options;
  options.delimiter = parsed->delimiter != 0 ? parsed->delimiter
                      : deck.separator != 0  ? deck.separator
                                             : DetectDelimiter(input, text.text, deck.found);
  options.cp932Fields = !text.decoded && text.encoding == InputEncoding::kCp932;
  options.fields = parsed->fields;
  if (deck.found && !options.fields) options.fields = std::pair<std::size_t, std::size_t>{0, 1};
  options.otherColumns = deck.otherColumns;
  options.html = deck.html;
  options.cardText = deck.found;
  options.keepReading = parsed->keepReading;
  options.textFaults = text.faults;
  const BuiltQuiz quiz = BuildQuiz(text.text, options);

  for (const Refusal& refusal : quiz.refusals) err << FormatRefusal(input, refusal) << '\n';
  if (parsed->skipBad && quiz.recordCount > 0 && !quiz.unreadable) {
    std::set<std::size_t> skipped;
    for (const Refusal& refusal : quiz.refusals) skipped.insert(refusal.line);
    if (!skipped.empty()) {
      err << input << ": " << skipped.size() << (skipped.size() == 1 ? " row" : " rows")
          << " skipped; " << quiz.recordCount << " written\n";
    }
  } else if (!quiz.refusals.empty()) {
    err << input << ": " << quiz.refusals.size()
        << (quiz.refusals.size() == 1 ? " problem" : " problems") << "; " << parsed->output
        << " not written\n";
    return kExitProblems;
  }
  if (!WriteFile(parsed->output, quiz.records, err)) return kExitUsage;
  out << quiz.recordCount << (quiz.recordCount == 1 ? " question" : " questions") << " written to "
      << parsed->output << '\n';
  return kExitOk;
}

int Check(const std::vector<std::string>& args, std::ostream& err) {
  const auto parsed = ParseArguments(args, false, false, err);
  if (!parsed) return kExitUsage;
  if (parsed->files.empty()) return UsageError(err, "check needs a question file");
  int status = kExitOk;
  for (const std::string& file : parsed->files) {
    const auto bytes = ReadFile(file, err);
    if (!bytes) {
      status = kExitUsage;
      continue;
    }
    const auto problems = CheckQuiz(*bytes);
    for (const QuizProblem& problem : problems) err << FormatProblem(file, problem) << '\n';
    if (!problems.empty() && status == kExitOk) status = kExitProblems;
  }
  return status;
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseArguments(args, true, false, err);
  if (!parsed) return kExitUsage;
  if (parsed->files.size() != 1) return UsageError(err, "dump takes one question file");
  const std::string& file = parsed->files[0];
  const auto bytes = ReadFile(file, err);
  if (!bytes) return kExitUsage;
  const DumpedQuiz dump = DumpQuiz(*bytes);
  const std::string csv = std::string(kUtf8ByteOrderMark) + dump.csv;
  if (parsed->output.empty()) {
    out << csv;
  } else if (!WriteFile(parsed->output, csv, err)) {
    return kExitUsage;
  }
  if (dump.recordCount == 0) {
    err << file << ": no complete record (the ticker would show its built-in sample)\n";
    return kExitProblems;
  }
  return kExitOk;
}

// C:\quiz\a.csv gives C:\quiz\a.kxd.
std::string KxdBeside(const std::string& input) {
  const std::size_t name = input.find_last_of("/\\");
  const std::size_t start = name == std::string::npos ? 0 : name + 1;
  const std::size_t dot = input.rfind('.');
  return input.substr(0, dot != std::string::npos && dot > start ? dot : input.size()) + ".kxd";
}

// A file dropped on the program. Building over a question file dropped by
// mistake would destroy it, so that one is checked instead.
int Dropped(const std::string& file, std::ostream& out, std::ostream& err) {
  const std::string output = KxdBeside(file);
  std::string extension = file.substr(output.size() - std::string_view(".kxd").size());
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  if (extension != ".kxd") return Build({"build", file, "-o", output}, out, err);
  const int status = Check({"check", file}, err);
  if (status == kExitOk) out << file << ": no problems found\n";
  return status;
}

}  // namespace

int RunKxd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    out << kUsage;
    return kExitUsage;
  }
  const std::string& command = args[0];
  const auto asksForHelp = [](const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "/?";
  };
  if (command == "help" || std::any_of(args.begin(), args.end(), asksForHelp)) {
    out << kUsage;
    return kExitOk;
  }
  if (command == "--version") {
    out << "kxd " KX_VERSION_TEXT "\n";
    return kExitOk;
  }
  if (command == "build") return Build(args, out, err);
  if (command == "check") return Check(args, err);
  if (command == "dump") return Dump(args, out, err);
  // Explorer passes every file dropped at once.
  const auto isFile = [](const std::string& arg) {
    const auto path = ToPath(arg);
    return path && StdFiles().IsExistingFile(*path);
  };
  if (std::all_of(args.begin(), args.end(), isFile)) {
    int status = kExitOk;
    for (const std::string& file : args) status = std::max(status, Dropped(file, out, err));
    return status;
  }
  return UsageError(err, "unknown command or file '" + command + "'");
}

}  // namespace kx
