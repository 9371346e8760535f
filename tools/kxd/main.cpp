// kxd: writes, checks and reads back quiz question files.
#include <string>
#include <vector>

#include "console_output.h"
#include "kxd_command.h"
#include "text/utf8.h"
#include "user_language.h"

namespace {

int Run(std::vector<std::string> args) {
  kx::SinkStream out(kx::OpenStandardSink(kx::StandardStream::kOutput));
  kx::SinkStream err(kx::OpenStandardSink(kx::StandardStream::kError));
  err << std::unitbuf;
  // Started by a drop or a double click in Explorer, kxd has its console to
  // itself, with the person who dropped the files before it; a shell's or a
  // script's console may have no one to answer. Asked once, at the start: a
  // program that attaches to the window later must not change the answer.
  const bool ownConsole = kx::OwnsConsoleAlone();
  kx::KxdUser user{kx::UserLanguage(), {}};
  user.ask = [&err, ownConsole](const std::string& question) -> std::optional<std::string> {
    if (!ownConsole) return std::nullopt;
    err << question;
    auto reply = kx::ReadConsoleLine();
    if (!reply) err << '\n';
    return reply.value_or("");
  };
  const kx::Language language = kx::ChosenLanguage(args, user.language);
  const int status = kx::RunKxd(std::move(args), out, err, user);
  out.flush();
  // The window would close before anyone could read it.
  if (ownConsole) {
    err << kx::Text(language, kx::Msg::kPressAKey) << '\n';
    kx::WaitForKey();
  }
  return out ? status : kx::kExitUsage;
}

}  // namespace

#ifdef _WIN32
// The wide command line: the ANSI one loses every character the system's
// code page lacks, such as Japanese file names on an English Windows.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    args.push_back(kx::Utf16ToUtf8(std::u16string_view(
        reinterpret_cast<const char16_t*>(argv[i]), std::char_traits<wchar_t>::length(argv[i]))));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
