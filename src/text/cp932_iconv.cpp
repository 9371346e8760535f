#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "text/cp932.h"

namespace kx {
namespace {

// One converter per call keeps this free of shared state; the program
// converts a few hundred bytes at a time.
class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (Valid()) iconv_close(handle_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return handle_; }

 private:
  iconv_t handle_;
};

constexpr char16_t kUnusableByte = u'\u30FB';

}  // namespace

std::u16string DecodeCp932(std::string_view bytes) {
  std::u16string text;
  IconvHandle cd("UTF-16LE", "CP932");
  if (!cd.Valid()) return text;
  text.reserve(bytes.size());
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char16_t buffer[256];
  while (inLeft > 0) {
    char* out = reinterpret_cast<char*>(buffer);
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd.Get(), &in, &inLeft, &out, &outLeft);
    text.append(buffer, static_cast<std::size_t>(out - reinterpret_cast<char*>(buffer)) / 2);
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An unusable byte (or a lead byte at the very end) stands for itself.
      text.push_back(kUnusableByte);
      ++in;
      --inLeft;
    }
  }
  return text;
}

std::optional<std::string> EncodeCp932(std::u16string_view text) {
  std::string bytes;
  IconvHandle cd("CP932", "UTF-16LE");
  if (!cd.Valid()) return std::nullopt;
  bytes.reserve(text.size() * 2);
  char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
  std::size_t inLeft = text.size() * 2;
  char buffer[512];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd.Get(), &in, &inLeft, &out, &outLeft);
    bytes.append(buffer, static_cast<std::size_t>(out - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return std::nullopt;
  }
  // iconv maps a few look-alikes (U+301C, U+00A5, U+2212 ...) onto other
  // characters' bytes, which the platform's converter refuses. A character
  // counts only when its bytes read back as itself.
  if (DecodeCp932(bytes) != text) return std::nullopt;
  return bytes;
}

}  // namespace kx
