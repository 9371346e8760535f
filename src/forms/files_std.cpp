#include "forms/files_std.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <new>
#include <system_error>

namespace kx {
namespace {

std::filesystem::path ToPath(std::u16string_view path) {
  return std::filesystem::path(std::u16string(path));
}

}  // namespace

std::optional<std::string> StdFiles::ReadWhole(std::u16string_view path) {
  const auto fsPath = ToPath(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(fsPath, error)) return std::nullopt;
  std::ifstream in(fsPath, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  // More than one read can take, or than the address space can hold: the
  // same answer as a failed allocation.
  if (size < 0 || static_cast<std::uintmax_t>(size) >
                      static_cast<std::uintmax_t>(std::numeric_limits<std::streamsize>::max())) {
    return std::nullopt;
  }
  in.seekg(0, std::ios::beg);
  try {
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
    return bytes;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

std::optional<std::uint64_t> StdFiles::Length(std::u16string_view path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(ToPath(path), error);
  if (error) return std::nullopt;
  return static_cast<std::uint64_t>(size);
}

bool StdFiles::IsExistingFile(std::u16string_view path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(ToPath(path), error);
}

bool StdFiles::ReplaceWhole(std::u16string_view path, std::string_view bytes) {
  const auto target = ToPath(path);
  auto temporary = target;
  temporary += ".tmp";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  // Closed before anything else: the last bytes may fail only now, and an
  // open file cannot be removed or renamed on every platform.
  out.close();
  if (out.fail()) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace kx
