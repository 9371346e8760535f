#pragma once
// Modal dialogs: the message box and the open-file dialog.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Message-box styles and answers, with the platform's numbers.
inline constexpr std::uint32_t kMbOk = 0;
inline constexpr std::uint32_t kMbYesNoExclamation = 52;
inline constexpr std::uint32_t kMbExclamation = 48;
inline constexpr std::uint32_t kMbIconHand = 16;
inline constexpr int kIdOk = 1;

// Everything the program puts into the open-file dialog. Texts are UTF-16;
// the binding hands them over in the form the platform wants.
struct OpenFileRequest {
  std::u16string filter;          // display name, NUL, pattern, NUL, ..., ended by two NULs
  std::uint32_t filterIndex = 1;  // the pair selected, counted from 1
  std::u16string initialDir;
  std::u16string title;
  std::uint32_t flags = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal box and returns the button pressed (kIdOk, kIdYes, kIdNo).
  virtual int MessageBox(std::u16string_view text, std::u16string_view title,
                         std::uint32_t style) = 0;
  // The chosen path, or nothing on cancel or any dialog failure.
  virtual std::optional<std::u16string> OpenFile(const OpenFileRequest& request) = 0;
};

}  // namespace kx
