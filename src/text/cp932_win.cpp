// Code page 932 through the platform's own converter, so the program cuts and
// counts bytes exactly as the system would, whatever the system locale.
#include <windows.h>

#include "text/cp932.h"

namespace kx {
namespace {

constexpr UINT kCodePage = 932;

}  // namespace

std::u16string DecodeCp932(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(kCodePage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  MultiByteToWideChar(kCodePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                      length);
  return text;
}

std::optional<std::string> EncodeCp932(std::u16string_view text) {
  if (text.empty()) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  // No best-fit mapping: a character without its own code page 932 form must
  // be refused, not quietly turned into a look-alike.
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0,
                                         nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length, nullptr,
                      nullptr);
  return bytes;
}

}  // namespace kx
