#pragma once
// Texts built from the string table, and the message boxes the program shows.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "forms/dialogs.h"
#include "forms/string_table.h"

namespace kx {

// Kinds of message box: error, yes/no question, warning; any other value
// gives a plain box.
inline constexpr std::uint8_t kErrorMessage = 1;
inline constexpr std::uint8_t kQuestionMessage = 2;
inline constexpr std::uint8_t kWarningMessage = 3;

// Entry `id` with every "@" replaced by `value`.
std::u16string FormatResString(const StringTable& strings, StringId id, std::u16string_view value);

// The message-box style of a kind.
std::uint32_t MessageStyleOf(std::uint8_t kind);

// Shows entry `textId` (with entry `secondTextId`, when given, on a second
// line) titled entry `titleId`; returns the button, narrowed to 8 bits.
std::uint8_t ShowResMessage(const StringTable& strings, Dialogs& dialogs, std::uint8_t kind,
                            StringId titleId, StringId textId,
                            std::optional<StringId> secondTextId = std::nullopt);

}  // namespace kx
