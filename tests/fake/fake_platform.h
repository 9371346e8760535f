#pragma once
// A fake forms layer: files in memory, scripted dialog answers, glyphs drawn
// as plain bars of known widths, and counts of live icons.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "forms/platform.h"

namespace kx::fake {

class FakeStringTable final : public StringTable {
 public:
  std::u16string Text(StringId id) const override;
};

class FakeDialogs final : public Dialogs {
 public:
  int MessageBox(std::u16string_view text, std::u16string_view title, std::uint32_t style) override;
  std::optional<std::u16string> OpenFile(const OpenFileRequest& request) override;

  std::vector<std::u16string> messages;
  struct Box {
    std::u16string title;
    std::uint32_t style;
    bool operator==(const Box&) const = default;
  };
  std::vector<Box> boxes;  // title and style of each message, in turn
  // Answers of the open-file dialog, one per opening; empty optional: cancel.
  std::deque<std::optional<std::u16string>> fileAnswers;
  std::vector<OpenFileRequest> fileRequests;
  // Runs while a message box is open.
  std::function<void()> onMessage;
};

class FakeEnvironment final : public Environment {
 public:
  bool TopLevelWindowExists(std::u16string_view title) override {
    return windowTitles.contains(std::u16string(title));
  }
  std::u16string ProgramFolder() override { return folder; }
  ProgramVersion Version() override { return {1, 15}; }
  ScreenMetrics Screen() override { return screen; }
  SystemColors Colors() override { return {}; }

  std::set<std::u16string> windowTitles;
  std::u16string folder = u"C:\\Program Files\\KX";
  ScreenMetrics screen{1024, 768, 96, 96, 19};
};

// Files in memory, keyed by the exact path text.
class FakeFiles final : public Files {
 public:
  std::optional<std::string> ReadWhole(std::u16string_view path) override;
  std::optional<std::uint64_t> Length(std::u16string_view path) override;
  bool IsExistingFile(std::u16string_view path) override {
    return contents.contains(std::u16string(path));
  }
  bool ReplaceWhole(std::u16string_view path, std::string_view bytes) override;

  std::map<std::u16string, std::string> contents;
  std::set<std::u16string> unreadable;    // exist, but reads fail
  std::set<std::u16string> unmeasurable;  // exist, but length fails
  std::set<std::u16string> readOnly;      // writes fail
  std::set<std::u16string> huge;          // reads run out of memory
  int writes = 0;
};

class FakeTimer final : public Timer {
 public:
  void SetInterval(int milliseconds) override { interval = milliseconds; }
  int Interval() const override { return interval; }
  void SetEnabled(bool on) override {
    stops += !on;  // every stop counts, even of a stopped timer
    enabled = on;
  }
  bool Enabled() const override { return enabled; }
  int interval = 0, stops = 0;
  bool enabled = false;
};

struct TrayCall {
  std::string kind;  // "add", "modify", "delete"
  TrayData data;
};

// The program ignores the shell's answers: every call succeeds.
class FakeTray final : public TrayShell {
 public:
  bool Add(const TrayData& data) override { return Call("add", data); }
  bool Modify(const TrayData& data) override {
    if (onModify) onModify();
    return Call("modify", data);
  }
  bool Delete(const TrayData& data) override { return Call("delete", data); }

  std::vector<TrayCall> calls;
  std::function<void()> onModify;

 private:
  bool Call(const std::string& kind, const TrayData& data) {
    calls.push_back({kind, data});
    return true;
  }
};

class FakeIcon final : public Icon {
 public:
  FakeIcon(Surface picture, int& liveCount) : picture_(std::move(picture)), liveCount_(liveCount) {
    ++liveCount_;
  }
  ~FakeIcon() override { --liveCount_; }
  const Surface& Picture() const { return picture_; }

 private:
  Surface picture_;
  int& liveCount_;
};

// A character of width w fills columns 0 to w - 2 of rows 2 to 13 with its
// colour. Widths: 15 for characters of two code page 932 bytes, 8 otherwise.
class FakeGraphics final : public Graphics {
 public:
  void SelectGlyphFont(std::u16string_view face, int points) override {
    glyphFont = {std::u16string(face), static_cast<float>(points)};
  }
  void SelectWindowFont(std::u16string_view face, float points) override {
    windowFont = {std::u16string(face), points};
  }
  int DrawGlyph(std::u16string_view character, Color color, Surface& target) override;
  int DrawText(Surface& target, Point at, std::u16string_view text, Color color) override;
  std::unique_ptr<Icon> MakeIcon(const Surface& picture) override {
    return failIcons ? nullptr : std::make_unique<FakeIcon>(picture, liveIcons);
  }
  const Icon& ProgramIcon() override { return programIcon_; }

  std::vector<std::u16string> glyphsDrawn;
  std::pair<std::u16string, float> glyphFont, windowFont;
  struct Text {
    Point at;
    std::u16string text;
    Color color;
  };
  std::vector<Text> textsDrawn;
  int liveIcons = 0;
  bool failIcons = false;

 private:
  int programIconCount_ = 0;
  FakeIcon programIcon_{Surface(16, 16), programIconCount_};
};

class FakeWindowHost final : public WindowHost {
 public:
  // 280 x 95 client, a 3-pixel frame, a 19-pixel caption
  Point OuterSize() const override { return {286, 124}; }
  void RemoveCaption(int, int) override {}
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
  void Refresh() override { ++refreshes; }
  void ShowPopupMenu() override { ++popups; }
  void OpenAddress(std::u16string_view address) override { openedAddresses.emplace_back(address); }
  // As the platform's window does: its destruction unloads the form.
  void Unload() override {
    if (onUnload) onUnload();
  }

  bool visible = false;
  int popups = 0;
  int refreshes = 0;
  std::vector<std::u16string> openedAddresses;
  std::function<void()> onUnload;
};

// Returns the scripted values in turn, then 0.
class FakeRandom final : public RandomSource {
 public:
  void SeedFromClock() override {}
  float Next() override {
    const float value = values.empty() ? 0.0f : values.front();
    if (!values.empty()) values.pop_front();
    return value;
  }

  std::deque<float> values;
};

struct FakePlatform {
  FakeStringTable strings;
  FakeDialogs dialogs;
  FakeEnvironment environment;
  FakeFiles files;
  FakeTimer timer;
  FakeTray tray;
  FakeGraphics graphics;
  FakeWindowHost window;
  FakeRandom random;

  Platform Services() {
    return Platform{strings, dialogs, environment, files, timer, tray, graphics, window, random};
  }
};

}  // namespace kx::fake
