// Replays fuzz inputs without libFuzzer, so that every build of the tests
// runs each fuzzer's corpus and regression inputs once: a failed check aborts.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    if (!std::filesystem::is_directory(argv[i])) continue;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      std::string bytes(static_cast<std::size_t>(entry.file_size()), '\0');
      std::ifstream(entry.path(), std::ios::binary)
          .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      (void)LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
      ++inputs;
    }
  }
  std::cout << inputs << " inputs replayed\n";
  return inputs > 0 ? 0 : 1;
}
