// The compiled string table against the resource script's own text (which
// the fake reads), character for character: the resource compiler must keep
// the script's UTF-8 intact.
#include <gtest/gtest.h>

#include <stdexcept>

#include "fake/fake_platform.h"
#include "win32/string_table_win.h"

namespace kx::win {
namespace {

TEST(StringTableWin, EveryEntryMatchesTheProgramsText) {
  const StringTableWin resource(GetModuleHandleW(nullptr));
  const fake::FakeStringTable expected;
  for (std::uint16_t n = 0; n <= 100; ++n) {
    try {
      const std::u16string text = expected.Text(static_cast<StringId>(n));
      EXPECT_EQ(resource.Text(static_cast<StringId>(n)), text) << n;
    } catch (const std::invalid_argument&) {
      // not an id of the program
    }
  }
}

}  // namespace
}  // namespace kx::win
