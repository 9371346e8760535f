// Reads every file of a corpus with GetPrivateProfileStringA and
// GetPrivateProfileIntA and with IniFile, and compares; then changes values
// with IniFile and checks that the platform reads the new values and every
// other key as before. One case per kind of difference a reader can have.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "forms/files_std.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "text/cp932.h"
#include "text/cp932_bytes.h"
#include "text/spaces.h"

namespace kx {
namespace {

struct Case {
  const char* name;
  std::string bytes;
};

// Under a Japanese locale (as ctest runs it) no case differs. Under another
// the platform reads the file in that locale's code page, so utf8_bom and
// path_japanese_cut differ there; the program reads code page 932 always.
const std::vector<Case> kCorpus = {
    {"case_and_spaces", "  [ScRoLl ]  \r\n\t SpEeD \t=\t 2 \t\r\n[color]\r\nquestion=1\r\n"},
    {"duplicates",
     "[COLOR]\r\nQUESTION=1\r\nquestion=2\r\n[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nANSWER=2\r\n"},
    {"outside_sections_and_comments",
     "SPEED=2\r\n; c\r\n[SCROLL] ; fast\r\n;SPEED=0\r\n#SPEED=1\r\nX=1\r\n;[COLOR]\r\n"},
    {"numbers",
     "[A]\r\nP=+5\r\nNS=- 4\r\nPM=+-1\r\nY=12abc\r\nZ=3.9\r\nE=0000000000042\r\n"
     "O=0o17\r\nB=0b101\r\nX=0xff\r\nXE=0x\r\nNX=-0x10\r\nSX= +0x1F\r\n"
     "BIG=4294967297\r\nC=2147483648\r\nD=-2147483649\r\n[SCROLL]\r\nSPEED=65545\r\n"},
    {"quotes_empty_and_no_equals",
     "[A]\r\nQ=\"quoted value\"\r\nN=\"5\"\r\nS=' 7'\r\nL=\"open\r\nM=\"mixed'\r\n"
     "O=\"\r\nP=\"a\"b\"\r\nE=\r\nLONELY\r\nK==x\r\n[SCROLL]\r\nSPEED\r\n"},
    {"line_ends_and_ctrl_z", "[SCROLL]\rSPEED=2\x1A\r[COLOR]\nQUESTION=1\r\n[A]\r\nK=1"},
    {"broken_headers", "[SCROLL\r\nSPEED=1\r\n[A]B]\r\nK=1\r\n[[C]]\r\nK=" +
                           std::string(5000, 'x') + "\r\n[COLOR]x\r\nANSWER=2\r\n"},
    {"path_japanese_cut", "[FilePath]\r\nKX_FILE=" + std::string(254, 'a') + "\x96\xE2\r\n"},
    {"path_spaces",
     "[FilePath]\r\nKX_FILE= \x81\x40"
     "C:\\a b\\q.kxd\x81\x40  \r\n"},
    // A second byte that is "]"; only ASCII letters have case.
    {"dbcs",
     "[\x8F\x5D"
     "A]\r\nK=\x8F\x5D\r\n[S]\r\n\x82\x81=1\r\n\x82\x60=2\r\n\x83\xBF=3\r\n"},
    {"utf8_bom",
     "\xEF\xBB\xBF[SCROLL]\r\nSPEED=2\r\n[FilePath]\r\nKX_FILE=C:\\\xE5\x95\x8F.kxd\r\n"},
};

constexpr const char* kMissing = "<missing>";

std::string Write(const Case& c, const std::string& bytes) {
  const auto folder = std::filesystem::temp_directory_path() / "kx_ini_differential";
  std::filesystem::create_directories(folder);
  const auto file = folder / (std::string(c.name) + ".ini");
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.string();
}

// NUL-separated names as the platform lists them.
std::vector<std::string> Names(const char* section, const std::string& path) {
  std::vector<char> buffer(65536);
  const DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
  std::vector<std::string> names;
  for (DWORD at = 0; at < length; at += static_cast<DWORD>(names.back().size()) + 1) {
    names.emplace_back(buffer.data() + at);
  }
  return names;
}

// The platform's string as the program reads it: a 256-byte buffer.
std::string PlatformString(const std::string& section, const std::string& key,
                           const std::string& path) {
  char buffer[256] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer, sizeof buffer,
                           path.c_str());
  return buffer;
}

// The keys the program asks for, in other cases too, and every key the
// platform lists, by upper-cased name so that changed keys are found.
std::map<std::pair<std::string, std::string>, std::string> PlatformReads(const std::string& path) {
  std::vector<std::pair<std::string, std::string>> queries = {
      {"SCROLL", "SPEED"},     {"COLOR", "QUESTION"}, {"COLOR", "ANSWER"},
      {"FilePath", "KX_FILE"}, {"scroll", "speed"},   {"A", "K"}};
  for (const auto& section : Names(nullptr, path)) {
    for (const auto& key : Names(section.c_str(), path)) {
      if (!key.empty() && key.find_first_of("[]=") == std::string::npos)
        queries.emplace_back(section, key);
    }
  }
  std::map<std::pair<std::string, std::string>, std::string> reads;
  for (const auto& [section, key] : queries)
    reads[{section, key}] = PlatformString(section, key, path);
  return reads;
}

class Differential : public ::testing::TestWithParam<Case> {};

TEST_P(Differential, ReadsAndSettingsAsThePlatformAndThePlatformReadsOurChanges) {
  const Case& c = GetParam();
  const std::string path = Write(c, c.bytes);
  IniFile ini(c.bytes);  // read first, then changed
  auto expected = PlatformReads(path);
  for (const auto& [query, platform] : expected) {
    const auto& [section, key] = query;
    // Through the 256-byte buffer: a double-byte character that does not fit is left out whole.
    const std::string ours = ini.ReadString(section, key).value_or(kMissing);
    EXPECT_EQ(CutBetweenCp932Characters(ours, 255), platform)
        << c.name << ": [" << section << "] " << key;
    for (const int fallback : {9, -3}) {
      EXPECT_EQ(ini.ReadInt(section, key, fallback),
                static_cast<std::int32_t>(
                    GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path.c_str())))
          << c.name << ": [" << section << "] " << key;
    }
  }
  // The path as the program reads it, against the platform's 256-byte read.
  StdFiles files;
  const std::u16string widePath = std::filesystem::path(path).u16string();
  char buffer[256] = {};
  GetPrivateProfileStringA("FilePath", "KX_FILE", nullptr, buffer, sizeof buffer, path.c_str());
  EXPECT_EQ(ReadQuestionFilePath(files, widePath),
            CutAtNul(DecodeCp932(std::string_view(buffer, sizeof buffer))));

  // Then our changes, read by the platform, and every other key as before.
  for (const auto& [section, key, value] :
       {std::array<std::string, 3>{"SCROLL", "SPEED", "5"},
        {"COLOR", "ANSWER", "3"},
        {"FilePath", "KX_FILE", "C:\\new folder\\\x96\xE2.kxd"}}) {
    ASSERT_TRUE(ini.WriteString(section, key, value));
    for (auto& [query, read] : expected) {
      if (lstrcmpiA(query.first.c_str(), section.c_str()) == 0 &&
          lstrcmpiA(query.second.c_str(), key.c_str()) == 0) {
        read = value;
      }
    }
    expected[{section, key}] = value;
  }
  Write(c, ini.Bytes());
  for (const auto& [query, value] : expected) {
    EXPECT_EQ(PlatformString(query.first, query.second, path), value)
        << c.name << ": [" << query.first << "] " << query.second;
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, Differential, ::testing::ValuesIn(kCorpus),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace kx
