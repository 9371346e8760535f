// Any bytes as a question file: the loader, the pick over what it left and
// the field cutting of the picked lines must neither crash nor read outside
// the lines, and the list must always hold QuestionCount + 1 lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/load_questions.h"
#include "app/module.h"
#include "fake/fake_platform.h"
#include "questions/record_format.h"
#include "ticker/ticker_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fake::FakePlatform fake;
  const std::u16string path = u"C:\\quiz.kxd";
  fake.files.contents[path] = std::string(reinterpret_cast<const char*>(data), size);
  kx::basRuvoZava module;
  module.QuestionFilePath = path;
  if (!kx::LoadQuestions(fake.Services(), module)) std::abort();  // readable bytes must load
  if (module.Questions.count < 0 ||
      module.Questions.lines.size() != static_cast<std::size_t>(module.Questions.count) + 1) {
    std::abort();
  }
  for (const float r : {0.0f, 0.5f, kx::kLargestRandom}) {
    const std::int32_t index =
        kx::PickQuestionIndex(r, module.Questions.count, module.Questions.lines.size());
    if (index < 0 || static_cast<std::size_t>(index) >= module.Questions.lines.size()) std::abort();
    const std::string_view line = module.Questions.lines[static_cast<std::size_t>(index)];
    (void)kx::QuestionOf(line);
    (void)kx::AnswerOf(line);
  }
  return 0;
}
