// Reads every file of a corpus with GetPrivateProfileStringA and
// GetPrivateProfileIntA and with IniFile, and compares. Then changes values
// with IniFile and checks that the platform reads the new values and every
// other key as before.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "text/spaces.h"
#include "forms/files_std.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "text/cp932.h"

namespace kx {
namespace {

struct Case {
  const char* name;
  std::string bytes;
};

// Every case is a file. Under a Japanese locale (as ctest runs it) no case
// differs. Under another locale the platform's A functions read the file in
// that locale's code page, so utf8_bom and path_japanese_cut differ there;
// the program reads code page 932 whatever the locale, so IniFile keeps it.
std::vector<Case> Corpus() {
  return {
      {"plain", "[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nQUESTION=2\r\nANSWER=3\r\n"},
      {"lower_case", "[scroll]\r\nspeed=2\r\n[color]\r\nquestion=1\r\n"},
      {"mixed_case", "[ScRoLl]\r\nSpEeD=2\r\n[Color]\r\nQuestion=1\r\nanswer=0\r\n"},
      {"spaces_around", "  [SCROLL]  \r\n   SPEED   =   2   \r\n"},
      {"tabs_around", "\t[COLOR]\t\r\n\tQUESTION\t=\t3\t\r\n"},
      {"spaces_in_brackets", "[ SCROLL ]\r\nSPEED=2\r\n[COLOR ]\r\nANSWER=2\r\n"},
      {"duplicate_keys", "[SCROLL]\r\nSPEED=1\r\nSPEED=2\r\nspeed=0\r\n"},
      {"duplicate_sections",
       "[COLOR]\r\nQUESTION=1\r\n[SCROLL]\r\nSPEED=0\r\n[COLOR]\r\nANSWER=2\r\n"},
      {"missing_section", "[OTHER]\r\nSPEED=2\r\nQUESTION=1\r\n"},
      {"keys_before_sections", "SPEED=2\r\n[SCROLL]\r\nX=1\r\n"},
      {"signs", "[A]\r\nP=+5\r\nN=-3\r\nPP=++5\r\nNS=- 4\r\nPM=+-1\r\n"},
      {"non_digits", "[A]\r\nX=abc\r\nY=12abc\r\nZ=3.9\r\nH=0x10\r\nW=1 2\r\n"},
      {"leading_zeros", "[A]\r\nZ=007\r\nZZ=-0\r\nE=0000000000000000000000000000000000042\r\n"},
      // The platform also reads "0x", "0o" and "0b" (lower case only).
      {"number_prefixes",
       "[A]\r\nO=0o17\r\nB=0b101\r\nX=0xff\r\nXU=0XFF\r\nBU=0B1\r\nOU=0O7\r\nXE=0x\r\n"
       "X8=010\r\nXG=0xg\r\nNX=-0x10\r\nB2=0b12\r\nSX= +0x1F\r\n"},
      {"big_numbers",
       "[A]\r\nB=4294967297\r\nC=2147483648\r\nD=-2147483649\r\nE=99999999999999\r\n"},
      {"empty_values", "[A]\r\nE=\r\nS=   \r\nQ=\"\"\r\n[SCROLL]\r\nSPEED=\r\n"},
      {"no_equals", "[A]\r\nLONELY\r\nK=1\r\n[SCROLL]\r\nSPEED\r\n"},
      {"double_quotes", "[A]\r\nQ=\"quoted value\"\r\nN=\"5\"\r\nS=\" 7\"\r\n"},
      {"single_quotes", "[A]\r\nQ='quoted'\r\nN='5'\r\n"},
      {"unmatched_quotes", "[A]\r\nL=\"open\r\nR=close\"\r\nM=\"mixed'\r\nO=\"\r\n"},
      {"quotes_inside", "[A]\r\nQ=a \"b\" c\r\nP=\"a\"b\"\r\n"},
      {"equals_in_value", "[A]\r\nK=a=b=c\r\nL==x\r\n"},
      {"lf_only", "[SCROLL]\nSPEED=2\n[COLOR]\nQUESTION=1\n"},
      {"mixed_line_ends", "[SCROLL]\r\nSPEED=2\n[COLOR]\nQUESTION=1\r\n"},
      {"cr_only", "[SCROLL]\rSPEED=2\r[COLOR]\rQUESTION=1\r"},
      {"no_final_line_end", "[SCROLL]\r\nSPEED=2"},
      {"blank_lines", "\r\n\r\n[SCROLL]\r\n\r\n\r\nSPEED=2\r\n\r\n"},
      {"semicolon_comments", "; comment\r\n[SCROLL]\r\n;SPEED=0\r\nSPEED=2\r\n; SPEED=1\r\n"},
      {"hash_comments", "# comment\r\n[SCROLL]\r\n#SPEED=0\r\nSPEED=1\r\n"},
      {"commented_section", ";[SCROLL]\r\n[SCROLL]\r\nSPEED=1\r\n"},
      {"text_after_header", "[SCROLL] ; fast\r\nSPEED=1\r\n[COLOR]x\r\nANSWER=2\r\n"},
      {"unclosed_header", "[SCROLL\r\nSPEED=1\r\n[COLOR]\r\nANSWER=2\r\n"},
      {"nested_brackets", "[A]B]\r\nK=1\r\n[[C]]\r\nK=2\r\n"},
      {"path_value", "[FilePath]\r\nKX_FILE=C:\\My Quiz\\quiz 1.kxd\r\n"},
      {"path_spaces", "[FilePath]\r\nKX_FILE=   C:\\a b\\c.kxd   \r\n"},
      {"path_empty", "[FilePath]\r\nKX_FILE=\r\n"},
      {"path_255", "[FilePath]\r\nKX_FILE=" + std::string(255, 'p') + "\r\n"},
      {"path_256", "[FilePath]\r\nKX_FILE=" + std::string(256, 'p') + "\r\n"},
      {"path_1000", "[FilePath]\r\nKX_FILE=" + std::string(1000, 'p') + "\r\n"},
      {"path_japanese",
       "[FilePath]\r\nKX_FILE=C:\\\x96\xE2\x91\xE8\\\x83\x4E\x83\x43\x83\x59.kxd\r\n"},
      {"path_japanese_cut", "[FilePath]\r\nKX_FILE=" + std::string(254, 'a') + "\x96\xE2\r\n"},
      {"path_japanese_255", "[FilePath]\r\nKX_FILE=" + std::string(253, 'a') + "\x96\xE2\r\n"},
      {"path_ideographic_space",
       "[FilePath]\r\nKX_FILE=\x81\x40"
       "C:\\q.kxd\x81\x40\r\n"},
      {"path_quoted", "[FilePath]\r\nKX_FILE=\"C:\\a b\\q.kxd\"\r\n"},
      {"dbcs_bracket_byte",
       "[\x8F\x5D"
       "A]\r\nK=\x8F\x5D\r\n[B]\r\nK=2\r\n"},
      // Only ASCII letters have case: full-width, Greek and Cyrillic ones do not.
      {"dbcs_letters",
       "[S]\r\n\x82\x81=1\r\n\x82\x60=2\r\n\x83\xBF=3\r\n\x84\x70=4\r\n"
       "[\x82\x60\x84\x80]\r\nK=5\r\n"},
      {"utf8_bom",
       "\xEF\xBB\xBF[SCROLL]\r\nSPEED=2\r\n[FilePath]\r\nKX_FILE=C:\\\xE5\x95\x8F.kxd\r\n"},
      {"ctrl_z", "[SCROLL]\r\nSPEED=2\x1A\r\n\x1A"},
      {"ascii_only_long_line", "[A]\r\nK=" + std::string(5000, 'x') + "\r\n"},
  };
}

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "kx_ini_differential";
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

std::string Ansi(const std::filesystem::path& path) { return path.string(); }

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// NUL-separated names as the platform lists them.
std::vector<std::string> Names(const char* section, const std::string& path) {
  std::vector<char> buffer(65536);
  const DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
  std::vector<std::string> names;
  for (DWORD at = 0; at < length;) {
    std::string name(buffer.data() + at);
    at += static_cast<DWORD>(name.size()) + 1;
    names.push_back(std::move(name));
  }
  return names;
}

constexpr const char* kMissing = "<missing>";

// The platform's string as the program reads it: a 256-byte buffer.
std::string PlatformString(const std::string& section, const std::string& key,
                           const std::string& path) {
  char buffer[256] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer, sizeof buffer,
                           path.c_str());
  return buffer;
}

std::string OurString(const IniFile& ini, const std::string& section, const std::string& key) {
  const auto value = ini.ReadString(section, key);
  if (!value) return kMissing;
  // Through a 256-byte buffer longer values arrive cut to 255 bytes, and the
  // platform leaves out a double-byte character that does not fit whole.
  std::size_t at = 0;
  while (at < value->size()) {
    const auto byte = static_cast<unsigned char>((*value)[at]);
    const std::size_t length = (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0 ? 2 : 1;
    if (at + length > 255) break;
    at += length;
  }
  return value->substr(0, at);
}

using Query = std::pair<std::string, std::string>;

// The keys the program asks for, in other cases too, and every key the
// platform lists in the file.
std::vector<Query> QueriesFor(const std::string& path) {
  std::vector<Query> queries = {{"SCROLL", "SPEED"},     {"COLOR", "QUESTION"}, {"COLOR", "ANSWER"},
                                {"FilePath", "KX_FILE"}, {"scroll", "speed"},   {"A", "K"}};
  for (const auto& section : Names(nullptr, path)) {
    if (section.empty()) continue;
    for (const auto& key : Names(section.c_str(), path)) {
      if (!key.empty() && key.find_first_of("[]=") == std::string::npos) {
        queries.emplace_back(section, key);
      }
    }
  }
  return queries;
}

class Differential : public ::testing::TestWithParam<Case> {};

TEST_P(Differential, ReadsTheSameAsThePlatform) {
  const Case& c = GetParam();
  const auto file = Folder() / (std::string(c.name) + "_read.ini");
  WriteBytes(file, c.bytes);
  const std::string path = Ansi(file);
  const IniFile ini(c.bytes);
  for (const auto& [section, key] : QueriesFor(path)) {
    EXPECT_EQ(OurString(ini, section, key), PlatformString(section, key, path))
        << c.name << ": [" << section << "] " << key;
    for (const int defaultValue : {9, -3}) {
      const auto platform = static_cast<std::int32_t>(
          GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path.c_str()));
      EXPECT_EQ(ini.ReadInt(section, key, defaultValue), platform)
          << c.name << ": [" << section << "] " << key << " default " << defaultValue;
    }
  }
}

TEST_P(Differential, PlatformReadsOurChangesAndEverythingElseAsBefore) {
  const Case& c = GetParam();
  const auto file = Folder() / (std::string(c.name) + "_write.ini");
  WriteBytes(file, c.bytes);
  const std::string path = Ansi(file);
  std::map<Query, std::string> before;
  for (const auto& query : QueriesFor(path)) {
    before[query] = PlatformString(query.first, query.second, path);
  }

  const std::vector<std::pair<Query, std::string>> changes = {
      {{"SCROLL", "SPEED"}, "5"},
      {{"COLOR", "ANSWER"}, "3"},
      {{"FilePath", "KX_FILE"}, "C:\\new folder\\\x96\xE2.kxd"}};
  IniFile ini(c.bytes);
  for (const auto& [query, value] : changes) {
    ASSERT_TRUE(ini.WriteString(query.first, query.second, value));
  }
  WriteBytes(file, ini.Bytes());

  for (const auto& [query, value] : changes) {
    EXPECT_EQ(PlatformString(query.first, query.second, path), value)
        << c.name << ": [" << query.first << "] " << query.second;
  }
  for (const auto& [query, value] : before) {
    bool changed = false;
    for (const auto& change : changes) {
      changed = changed || (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, query.first.c_str(),
                                           -1, change.first.first.c_str(), -1) == CSTR_EQUAL &&
                            CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, query.second.c_str(),
                                           -1, change.first.second.c_str(), -1) == CSTR_EQUAL);
    }
    if (changed) continue;
    EXPECT_EQ(PlatformString(query.first, query.second, path), value)
        << c.name << ": [" << query.first << "] " << query.second << " changed";
  }
}

// The program's own reads: LoadSettings and the question file path against
// the same steps done with the platform's functions.
TEST_P(Differential, SettingsReadTheSameAsThroughThePlatform) {
  const Case& c = GetParam();
  const auto file = Folder() / (std::string(c.name) + "_settings.ini");
  WriteBytes(file, c.bytes);
  const std::string path = Ansi(file);
  StdFiles files;
  const std::u16string widePath = file.u16string();

  const Settings settings = LoadSettings(files, widePath);
  const auto platformInt = [&path](const char* section, const char* key) {
    return static_cast<std::int32_t>(GetPrivateProfileIntA(section, key, kNotSet, path.c_str()));
  };
  EXPECT_EQ(settings.SpeedSaved,
            static_cast<std::int16_t>(platformInt("SCROLL", "SPEED") & 0xFFFF));
  EXPECT_EQ(settings.QuestionColorSaved, platformInt("COLOR", "QUESTION"));
  EXPECT_EQ(settings.AnswerColorSaved, platformInt("COLOR", "ANSWER"));

  char buffer[256] = {};
  GetPrivateProfileStringA("FilePath", "KX_FILE", nullptr, buffer, sizeof buffer, path.c_str());
  EXPECT_EQ(ReadQuestionFilePath(files, widePath),
            CutAtNul(DecodeCp932(std::string_view(buffer, sizeof buffer))))
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, Differential, ::testing::ValuesIn(Corpus()),
                         [](const ::testing::TestParamInfo<Case>& caseInfo) {
                           return std::string(caseInfo.param.name);
                         });

}  // namespace
}  // namespace kx
