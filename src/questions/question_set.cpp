#include "questions/question_set.h"

#include <cassert>
#include <new>
#include <stdexcept>
#include <utility>

#include "text/cp932.h"

namespace kx {

std::optional<QuestionSet> ReadQuestionSet(Files& files, std::u16string_view path) {
  try {
    std::optional<std::string> bytes = files.ReadWhole(path);
    if (!bytes || !QuestionLines::CanHold(bytes->size())) return std::nullopt;
    QuestionSet set;
    set.lines = QuestionLines::FromBytes(*std::move(bytes));
    set.count = set.lines.empty() ? 0 : static_cast<std::int32_t>(set.lines.size() - 1);
    return set;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

QuestionSet SampleQuestionSet(std::u16string_view sampleText) {
  auto bytes = EncodeCp932(sampleText);
  assert(bytes && "the sample record must be code page 932 text");
  return QuestionSet{QuestionLines::SingleLine(bytes ? *std::move(bytes) : std::string()), 0};
}

}  // namespace kx
