#pragma once
// kxd's standard output and error. kxd's text is UTF-8 throughout; a stream
// that is a console gets it as wide characters, so that Japanese reads right
// whatever the console's code page, and a file or pipe gets the UTF-8 bytes.

#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>

namespace kx {

enum class StandardStream { kOutput, kError };

// Takes UTF-8, cut only between characters.
class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual bool Write(std::string_view utf8) = 0;  // false: not all of it was written
  virtual bool IsConsole() const = 0;
};

// The platform's sink for standard output or error.
std::unique_ptr<TextSink> OpenStandardSink(StandardStream stream);

// True when this process alone holds a visible console, as when a file dropped
// on kxd.exe in Explorer started it: the window closes with the process.
bool OwnsConsoleAlone();
// Waits for a key press in that console.
void WaitForKey();
// The line typed next in that console, in UTF-8 without its line end;
// nullopt when the standard input is no console or nothing came.
std::optional<std::string> ReadConsoleLine();

// Hands a sink whole characters: a console at each line end, so that
// messages show as they come, anything else in large blocks.
class SinkBuffer : public std::streambuf {
 public:
  explicit SinkBuffer(std::unique_ptr<TextSink> sink);
  ~SinkBuffer() override;
  SinkBuffer(const SinkBuffer&) = delete;
  SinkBuffer& operator=(const SinkBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool Pass(bool whole);

  std::unique_ptr<TextSink> sink_;
  std::string pending_;
  bool failed_ = false;
};

class SinkStream : public std::ostream {
 public:
  explicit SinkStream(std::unique_ptr<TextSink> sink)
      : std::ostream(&buffer_), buffer_(std::move(sink)) {}

 private:
  SinkBuffer buffer_;
};

}  // namespace kx
