#include "console_output.h"

#include <algorithm>
#include <utility>

namespace kx {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

// Where the last character of `text` starts when its bytes are not all there
// yet; text.size() when it is complete.
std::size_t IncompleteTail(std::string_view text) {
  for (std::size_t back = 1; back <= std::min<std::size_t>(4, text.size()); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? text.size() - back : text.size();
  }
  return text.size();
}

}  // namespace

SinkBuffer::SinkBuffer(std::unique_ptr<TextSink> sink) : sink_(std::move(sink)) {}

SinkBuffer::~SinkBuffer() { Pass(true); }

SinkBuffer::int_type SinkBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize SinkBuffer::xsputn(const char* text, std::streamsize count) {
  const std::string_view added(text, static_cast<std::size_t>(count));
  pending_ += added;
  const bool lineDone = sink_->IsConsole() && added.find('\n') != std::string_view::npos;
  if ((lineDone || pending_.size() >= kBlock) && !Pass(false)) return 0;
  return count;
}

int SinkBuffer::sync() { return Pass(false) ? 0 : -1; }

// A character cut between two writes would reach a console as two wrong
// ones, so its first bytes wait for the rest, unless nothing more comes.
bool SinkBuffer::Pass(bool whole) {
  const std::size_t end = whole ? pending_.size() : IncompleteTail(pending_);
  if (end > 0 && !failed_) failed_ = !sink_->Write(std::string_view(pending_).substr(0, end));
  pending_.erase(0, end);
  return !failed_;
}

}  // namespace kx
