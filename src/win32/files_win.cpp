#include "win32/files_win.h"

#include "win32/windows_api.h"

#include <limits>
#include <new>

#include "win32/scoped_win.h"
#include "win32/wide_text.h"

namespace kx::win {
namespace {

// One ReadFile or WriteFile moves at most this much.
constexpr DWORD kChunk = 1u << 20;

bool IsFileAttributes(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() < kChunk ? static_cast<DWORD>(bytes.size()) : kChunk;
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Overwrites an existing file that may be both read and written. Its new
// length is claimed first, so a full disk fails before any byte changes.
bool WriteInPlace(const std::wstring& path, std::string_view bytes) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER old{};
  LARGE_INTEGER length{};
  length.QuadPart = static_cast<LONGLONG>(bytes.size());
  if (!GetFileSizeEx(file.Get(), &old)) return false;
  if (length.QuadPart > old.QuadPart &&
      (!SetFilePointerEx(file.Get(), length, nullptr, FILE_BEGIN) || !SetEndOfFile(file.Get()))) {
    return false;
  }
  return SetFilePointerEx(file.Get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN) &&
         WriteAll(file.Get(), bytes) && SetEndOfFile(file.Get()) && FlushFileBuffers(file.Get()) &&
         file.Close();
}

}  // namespace

std::optional<std::string> FilesWin::ReadWhole(std::u16string_view path) {
  const std::wstring wide = ToWide(path);
  const UniqueFile file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return std::nullopt;
  if (size.QuadPart < 0 || size.QuadPart > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  std::string bytes;
  try {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const DWORD chunk = left < kChunk ? static_cast<DWORD>(left) : kChunk;
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) return std::nullopt;  // the file shrank while we read it
    done += read;
  }
  return bytes;
}

std::optional<std::uint64_t> FilesWin::Length(std::u16string_view path) {
  const std::wstring wide = ToWide(path);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (!IsFileAttributes(data.dwFileAttributes)) return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool FilesWin::IsExistingFile(std::u16string_view path) {
  if (path.empty()) return false;
  const std::wstring wide = ToWide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return IsFileAttributes(attributes) &&
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool FilesWin::ReplaceWhole(std::u16string_view path, std::string_view bytes) {
  if (path.empty()) return false;
  const std::wstring target = ToWide(path);
  // A rename may replace a read-only file where a write could not: keep it
  // as its owner marked it, as the platform's own profile writes do.
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  const std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  bool written = false;
  {
    UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    // A folder that refuses new files (a shared or locked-down install) may
    // still let its existing file be written.
    if (!file) return existing != INVALID_FILE_ATTRIBUTES && WriteInPlace(target, bytes);
    written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) && file.Close();
  }
  if (written && MoveFileExW(temporary.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  (void)DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace kx::win
