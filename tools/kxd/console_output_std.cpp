// Outside Windows every terminal takes UTF-8 as it is.
#include <cstdio>

#include "console_output.h"

namespace kx {
namespace {

class FileSink : public TextSink {
 public:
  explicit FileSink(std::FILE* file) : file_(file) {}
  bool Write(std::string_view utf8) override {
    return std::fwrite(utf8.data(), 1, utf8.size(), file_) == utf8.size() &&
           std::fflush(file_) == 0;
  }
  bool IsConsole() const override { return false; }

 private:
  std::FILE* file_;  // not owned
};

}  // namespace

std::unique_ptr<TextSink> OpenStandardSink(StandardStream stream) {
  return std::make_unique<FileSink>(stream == StandardStream::kOutput ? stdout : stderr);
}

bool OwnsConsoleAlone() { return false; }

void WaitForKey() {}

std::optional<std::string> ReadConsoleLine() { return std::nullopt; }

}  // namespace kx
