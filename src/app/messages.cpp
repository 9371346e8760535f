#include "app/messages.h"

namespace kx {

std::u16string FormatResString(const StringTable& strings, StringId id, std::u16string_view value) {
  const std::u16string pattern = strings.Text(id);
  std::u16string result;
  result.reserve(pattern.size() + value.size());
  for (const char16_t c : pattern) {
    if (c == u'@') {
      result.append(value);
    } else {
      result.push_back(c);
    }
  }
  return result;
}

std::uint32_t MessageStyleOf(std::uint8_t kind) {
  switch (kind) {
    case kErrorMessage: return kMbIconHand;
    case kQuestionMessage: return kMbYesNoExclamation;
    case kWarningMessage: return kMbExclamation;
    default: return kMbOk;
  }
}

std::uint8_t ShowResMessage(const StringTable& strings, Dialogs& dialogs, std::uint8_t kind,
                            StringId titleId, StringId textId,
                            std::optional<StringId> secondTextId) {
  std::u16string text = strings.Text(textId);
  if (secondTextId) {
    text += u"\r\n";
    text += strings.Text(*secondTextId);
  }
  const int button = dialogs.MessageBox(text, strings.Text(titleId), MessageStyleOf(kind));
  return static_cast<std::uint8_t>(button & 0xFF);
}

}  // namespace kx
