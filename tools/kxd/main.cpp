// kxd: writes, checks and reads back quiz question files.
#include <string>
#include <vector>

#include "console_output.h"
#include "kxd_command.h"
#include "text/utf8.h"

namespace {

int Run(const std::vector<std::string>& args) {
  kx::SinkStream out(kx::OpenStandardSink(kx::StandardStream::kOutput));
  kx::SinkStream err(kx::OpenStandardSink(kx::StandardStream::kError));
  err << std::unitbuf;
  const int status = kx::RunKxd(args, out, err);
  out.flush();
  // Started by a drop or a double click in Explorer, the window would close
  // before anyone could read it.
  if (kx::OwnsConsoleAlone()) {
    err << "Press a key to close this window.\n";
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
