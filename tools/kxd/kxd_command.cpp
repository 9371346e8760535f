#include "kxd_command.h"

#include <algorithm>
#include <charconv>
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

int UsageError(std::ostream& err, Language language, std::string_view message) {
  err << "kxd: " << message << '\n' << Text(language, Msg::kTryHelp) << '\n';
  return kExitUsage;
}

// Arguments are UTF-8 on every system, so a name opens by its wide form on
// Windows whatever the code page.
std::optional<std::u16string> ToPath(const std::string& arg) {
  Utf8Decoded path = DecodeUtf8(arg);
  if (path.error) return std::nullopt;
  return std::move(path.text);
}

std::optional<std::string> ReadFile(const std::string& name, Language language, std::ostream& err) {
  const auto path = ToPath(name);
  std::optional<std::string> bytes;
  if (path) bytes = StdFiles().ReadWhole(*path);
  if (!bytes) err << Text(language, Msg::kCannotBeRead, {name}) << '\n';
  return bytes;
}

bool WriteFile(const std::string& name, std::string_view bytes, Language language,
               std::ostream& err) {
  const auto path = ToPath(name);
  if (path && StdFiles().ReplaceWhole(*path, bytes)) return true;
  err << Text(language, Msg::kCannotBeWritten, {name}) << '\n';
  return false;
}

// "y" as a Japanese keyboard may type it too.
bool IsYes(std::string reply) {
  std::erase(reply, ' ');
  for (char& c : reply) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return reply == "y" || reply == "yes" || reply == "ｙ" || reply == "Ｙ" || reply == "はい";
}

// Takes every --lang ja|en out of `args`; false when one names neither.
bool TakeLanguageOption(std::vector<std::string>& args, Language& language) {
  bool named = true;
  for (std::size_t i = 0; i < args.size();) {
    const bool separate = args[i] == "--lang";
    if (!separate && !args[i].starts_with("--lang=")) {
      ++i;
      continue;
    }
    const std::string value =
        separate ? (i + 1 < args.size() ? args.at(i + 1) : "") : args[i].substr(7);
    const auto parsed = ParseLanguageName(value);
    named = named && parsed;
    language = parsed.value_or(language);
    args.erase(
        args.begin() + static_cast<std::ptrdiff_t>(i),
        args.begin() + static_cast<std::ptrdiff_t>(std::min(args.size(), i + (separate ? 2 : 1))));
  }
  return named;
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
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    return error == std::errc() && stop == end ? value : 0;  // 0: no number
  };
  const std::size_t question = number(text.substr(0, comma));
  const std::size_t answer = number(text.substr(comma + 1));
  if (question == 0 || answer == 0 || question == answer) return std::nullopt;
  return std::pair{question - 1, answer - 1};
}

// Files and the options a command allows; nullopt after reporting a misuse.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, bool allowOutput,
                                        bool allowFormat, Language language, std::ostream& err) {
  Arguments parsed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (allowOutput && (arg == "-o" || arg == "--output")) {
      if (i + 1 == args.size()) {
        UsageError(err, language, Text(language, Msg::kNeedsFileName, {arg}));
        return std::nullopt;
      }
      parsed.output = args.at(++i);
    } else if (allowOutput && arg.starts_with("--output=")) {
      parsed.output = arg.substr(9);
    } else if (allowFormat && (arg == "--csv" || arg == "--tsv")) {
      parsed.delimiter = arg == "--csv" ? ',' : '\t';
    } else if (allowFormat && (arg == "--encoding" || arg == "--fields")) {
      const std::string value = i + 1 < args.size() ? args.at(++i) : std::string();
      if (arg == "--encoding" && !(parsed.encoding = ParseEncodingName(value))) {
        UsageError(err, language, Text(language, Msg::kEncodingTakes));
        return std::nullopt;
      }
      if (arg == "--fields" && !(parsed.fields = ParseFields(value))) {
        UsageError(err, language, Text(language, Msg::kFieldsTakes));
        return std::nullopt;
      }
    } else if (allowFormat && arg == "--reading") {
      parsed.keepReading = true;
    } else if (allowFormat && arg == "--skip-bad") {
      parsed.skipBad = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      UsageError(err, language, Text(language, Msg::kUnknownOption, {arg, args[0]}));
      return std::nullopt;
    } else {
      parsed.files.push_back(arg);
    }
  }
  return parsed;
}

// `ask`, when given, offers to write the rows that fit after a refusal.
int Build(const std::vector<std::string>& args, Language language, std::ostream& out,
          std::ostream& err, const AskInConsole& ask = {}) {
  const auto parsed = ParseArguments(args, true, true, language, err);
  if (!parsed) return kExitUsage;
  if (parsed->files.size() != 1) {
    return UsageError(err, language, Text(language, Msg::kBuildTakesOneInput));
  }
  if (parsed->output.empty()) {
    return UsageError(err, language, Text(language, Msg::kBuildNeedsOutput));
  }
  const std::string& input = parsed->files[0];
  auto bytes = ReadFile(input, language, err);
  if (!bytes) return kExitUsage;

  InputText text = DecodeInput(*std::move(bytes), parsed->encoding, language);
  err << Text(language, text.alsoCp932 ? Msg::kReadAsAlsoCp932 : Msg::kReadAs,
              {input, EncodingName(text.encoding, language)})
      << '\n';
  const AnkiHeader deck = TakeAnkiHeader(text.text, language);
  for (const HeaderProblem& problem : deck.problems) {
    err << FormatRefusal(input, {problem.line, QuizColumn::kNone, problem.message}, language)
        << '\n';
  }
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
  options.language = language;
  const BuiltQuiz quiz = BuildQuiz(text.text, options);

  for (const Refusal& refusal : quiz.refusals) {
    err << FormatRefusal(input, refusal, language) << '\n';
  }
  std::set<std::size_t> skipped;
  for (const Refusal& refusal : quiz.refusals) skipped.insert(refusal.line);
  const bool canSkip = quiz.recordCount > 0 && !quiz.unreadable;
  bool skipBad = parsed->skipBad;
  if (!skipBad && canSkip && !skipped.empty() && ask) {
    const auto reply = ask(Text(language, Msg::kWriteTheRowsThatFit,
                                {input, std::to_string(quiz.recordCount + skipped.size()),
                                 std::to_string(quiz.recordCount)}));
    skipBad = reply && IsYes(*reply);
  }
  if (skipBad && canSkip) {
    if (!skipped.empty()) {
      err << Text(language, skipped.size() == 1 ? Msg::kRowSkipped : Msg::kRowsSkipped,
                  {input, std::to_string(skipped.size()), std::to_string(quiz.recordCount)})
          << '\n';
    }
  } else if (!quiz.refusals.empty()) {
    err << Text(language,
                quiz.refusals.size() == 1 ? Msg::kProblemNotWritten : Msg::kProblemsNotWritten,
                {input, std::to_string(quiz.refusals.size()), parsed->output})
        << '\n';
    return kExitProblems;
  }
  if (!WriteFile(parsed->output, quiz.records, language, err)) return kExitUsage;
  out << Text(language, quiz.recordCount == 1 ? Msg::kQuestionWritten : Msg::kQuestionsWritten,
              {std::to_string(quiz.recordCount), parsed->output})
      << '\n';
  return kExitOk;
}

int Check(const std::vector<std::string>& args, Language language, std::ostream& err) {
  const auto parsed = ParseArguments(args, false, false, language, err);
  if (!parsed) return kExitUsage;
  if (parsed->files.empty()) return UsageError(err, language, Text(language, Msg::kCheckNeedsFile));
  int status = kExitOk;
  for (const std::string& file : parsed->files) {
    const auto bytes = ReadFile(file, language, err);
    if (!bytes) {
      status = kExitUsage;
      continue;
    }
    const auto problems = CheckQuiz(*bytes, language);
    for (const QuizProblem& problem : problems) {
      err << FormatProblem(file, problem, language) << '\n';
    }
    if (!problems.empty() && status == kExitOk) status = kExitProblems;
  }
  return status;
}

int Dump(const std::vector<std::string>& args, Language language, std::ostream& out,
         std::ostream& err) {
  const auto parsed = ParseArguments(args, true, false, language, err);
  if (!parsed) return kExitUsage;
  if (parsed->files.size() != 1) {
    return UsageError(err, language, Text(language, Msg::kDumpTakesOneFile));
  }
  const std::string& file = parsed->files[0];
  const auto bytes = ReadFile(file, language, err);
  if (!bytes) return kExitUsage;
  const DumpedQuiz dump = DumpQuiz(*bytes);
  const std::string csv = std::string(kUtf8ByteOrderMark) + dump.csv;
  if (parsed->output.empty()) {
    out << csv;
  } else if (!WriteFile(parsed->output, csv, language, err)) {
    return kExitUsage;
  }
  if (dump.recordCount == 0) {
    err << Text(language, Msg::kNoCompleteRecord, {file}) << '\n';
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
int Dropped(const std::string& file, Language language, std::ostream& out, std::ostream& err,
            const AskInConsole& ask) {
  const std::string output = KxdBeside(file);
  std::string extension = file.substr(output.size() - std::string_view(".kxd").size());
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  if (extension != ".kxd") return Build({"build", file, "-o", output}, language, out, err, ask);
  const int status = Check({"check", file}, language, err);
  if (status == kExitOk) out << Text(language, Msg::kNoProblemsFound, {file}) << '\n';
  return status;
}

}  // namespace

Language ChosenLanguage(std::vector<std::string> args, Language fallback) {
  (void)TakeLanguageOption(args, fallback);
  return fallback;
}

int RunKxd(std::vector<std::string> args, std::ostream& out, std::ostream& err,
           const KxdUser& user) {
  Language language = user.language;
  if (!TakeLanguageOption(args, language)) {
    return UsageError(err, language, Text(language, Msg::kLangTakes));
  }
  if (args.empty()) {
    out << Text(language, Msg::kUsage);
    return kExitUsage;
  }
  const std::string& command = args[0];
  const auto asksForHelp = [](const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "/?";
  };
  if (command == "help" || std::any_of(args.begin(), args.end(), asksForHelp)) {
    out << Text(language, Msg::kUsage);
    return kExitOk;
  }
  if (command == "--version") {
    out << Text(language, Msg::kVersion, {KX_VERSION_TEXT}) << '\n';
    return kExitOk;
  }
  if (command == "build") return Build(args, language, out, err);
  if (command == "check") return Check(args, language, err);
  if (command == "dump") return Dump(args, language, out, err);
  // Explorer passes every file dropped at once.
  const auto isFile = [](const std::string& arg) {
    const auto path = ToPath(arg);
    return path && StdFiles().IsExistingFile(*path);
  };
  if (std::all_of(args.begin(), args.end(), isFile)) {
    int status = kExitOk;
    for (const std::string& file : args) {
      status = std::max(status, Dropped(file, language, out, err, user.ask));
    }
    return status;
  }
  return UsageError(err, language, Text(language, Msg::kUnknownCommand, {command}));
}

}  // namespace kx
