#pragma once
// A fake forms layer: records every call in one log (for order tests), holds
// files in memory, scripts dialog answers and message-box buttons, draws
// glyphs as plain bars of known widths and counts live icons.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "forms/platform.h"

namespace kx::fake {

// One shared, ordered record of the calls the program made.
using CallLog = std::vector<std::string>;

// UTF-8, for readable log entries and assertions.
std::string Narrow(std::u16string_view text);

class FakeStringTable final : public StringTable {
 public:
  std::u16string Text(StringId id) const override;
};

struct ShownMessage {
  std::u16string text;
  std::u16string title;
  std::uint32_t style = 0;
};

class FakeDialogs final : public Dialogs {
 public:
  explicit FakeDialogs(CallLog& log) : log_(log) {}
  int MessageBox(std::u16string_view text, std::u16string_view title, std::uint32_t style) override;
  std::optional<std::u16string> OpenFile(const OpenFileRequest& request) override;

  std::vector<ShownMessage> messages;
  int button = kIdOk;
  // Answers of the open-file dialog, one per opening; empty optional: cancel.
  std::deque<std::optional<std::u16string>> fileAnswers;
  std::vector<OpenFileRequest> fileRequests;
  // Runs when a message box is shown, for tests that act while it is open.
  std::function<void(const ShownMessage&)> onMessage;

 private:
  CallLog& log_;
};

class FakeEnvironment final : public Environment {
 public:
  explicit FakeEnvironment(CallLog& log) : log_(log) {}
  bool TopLevelWindowExists(std::u16string_view title) override;
  std::u16string ProgramFolder() override { return folder; }
  ProgramVersion Version() override { return version; }
  ScreenMetrics Screen() override { return screen; }
  SystemColors Colors() override { return colors; }

  std::set<std::u16string> windowTitles;
  std::u16string folder = u"C:\\Program Files\\KX";
  ProgramVersion version{1, 15};
  ScreenMetrics screen{1024, 768, 96, 96, 19};
  SystemColors colors;

 private:
  CallLog& log_;
};

// Files in memory, keyed by the exact path text.
class FakeFiles final : public Files {
 public:
  explicit FakeFiles(CallLog& log) : log_(log) {}
  std::optional<std::string> ReadWhole(std::u16string_view path) override;
  std::optional<std::uint64_t> Length(std::u16string_view path) override;
  bool IsExistingFile(std::u16string_view path) override;
  bool ReplaceWhole(std::u16string_view path, std::string_view bytes) override;

  std::map<std::u16string, std::string> contents;
  std::set<std::u16string> unreadable;    // exist, but reads fail
  std::set<std::u16string> unmeasurable;  // exist, but length fails
  std::set<std::u16string> readOnly;      // writes fail
  int writes = 0;

 private:
  CallLog& log_;
};

class FakeTimer final : public Timer {
 public:
  explicit FakeTimer(CallLog& log) : log_(log) {}
  void SetInterval(int milliseconds) override {
    log_.push_back("timer interval " + std::to_string(milliseconds));
    interval_ = milliseconds;
  }
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override {
    log_.push_back(enabled ? "timer on" : "timer off");
    enabled_ = enabled;
  }
  bool Enabled() const override { return enabled_; }

 private:
  CallLog& log_;
  int interval_ = 0;
  bool enabled_ = false;
};

struct TrayCall {
  std::string kind;  // "add", "modify", "delete"
  TrayData data;
};

class FakeTray final : public TrayShell {
 public:
  explicit FakeTray(CallLog& log) : log_(log) {}
  bool Add(const TrayData& data) override { return Call("add", data, true); }
  bool Modify(const TrayData& data) override { return Call("modify", data, present); }
  bool Delete(const TrayData& data) override { return Call("delete", data, false); }

  std::vector<TrayCall> calls;
  bool present = false;

 private:
  // Only a modify can fail: when there is no icon to modify.
  bool Call(const std::string& kind, const TrayData& data, bool presentAfter) {
    log_.push_back("tray " + kind);
    calls.push_back({kind, data});
    const bool succeeded = kind != "modify" || present;
    present = presentAfter;
    return succeeded;
  }

  CallLog& log_;
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

// Glyphs are solid bars: a character of width w fills columns 0 to w - 2 of
// rows 2 to 13 with its colour, leaving its last column dark as a real font's
// side bearing does. Widths: 15 for characters of two code page 932 bytes,
// 8 otherwise, unless `widths` says so.
class FakeGraphics final : public Graphics {
 public:
  explicit FakeGraphics(CallLog& log) : log_(log) {}
  void SelectGlyphFont(std::u16string_view face, int points) override;
  void SelectWindowFont(std::u16string_view face, float points) override;
  int DrawGlyph(std::u16string_view character, Color color, Surface& target) override;
  int DrawText(Surface& target, Point at, std::u16string_view text, Color color) override;
  std::unique_ptr<Icon> MakeIcon(const Surface& picture) override;
  const Icon& ProgramIcon() override { return programIcon_; }

  std::u16string glyphFace;
  int glyphPoints = 0;
  std::u16string windowFace;
  float windowPoints = 0;
  std::map<std::u16string, int> widths;
  std::vector<std::u16string> glyphsDrawn;
  std::vector<std::u16string> textsDrawn;
  int liveIcons = 0;
  int iconsMade = 0;

 private:
  CallLog& log_;
  int programIconCount_ = 0;
  FakeIcon programIcon_{Surface(16, 16), programIconCount_};
};

class FakeWindowHost final : public WindowHost {
 public:
  explicit FakeWindowHost(CallLog& log) : log_(log) {}
  Point OuterSize() const override { return outerSize; }
  void RemoveCaption(int outerWidth, int outerHeight) override {
    log_.push_back("window caption removed");
    outerSize = Point{outerWidth, outerHeight};
  }
  void Show() override {
    log_.push_back("window show");
    visible = true;
  }
  void Hide() override {
    log_.push_back("window hide");
    visible = false;
  }
  void Refresh() override { ++refreshes; }
  void ShowPopupMenu() override {
    log_.push_back("popup menu");
    ++popups;
  }
  void OpenAddress(std::u16string_view address) override {
    log_.push_back("open " + Narrow(address));
    openedAddresses.emplace_back(address);
  }
  // As the platform's window does: its destruction unloads the form.
  void Unload() override {
    log_.push_back("window unload");
    if (onUnload) onUnload();
  }

  Point outerSize{286, 124};  // 280 x 95 client, a 3-pixel frame, a 19-pixel caption
  bool visible = false;
  int refreshes = 0;
  int popups = 0;
  std::vector<std::u16string> openedAddresses;
  std::function<void()> onUnload;

 private:
  CallLog& log_;
};

// Returns the scripted values in turn, then 0.
class FakeRandom final : public RandomSource {
 public:
  void SeedFromClock() override { ++seeds; }
  float Next() override;

  std::deque<float> values;
  int seeds = 0;
};

struct FakePlatform {
  CallLog log;
  FakeStringTable strings;
  FakeDialogs dialogs{log};
  FakeEnvironment environment{log};
  FakeFiles files{log};
  FakeTimer timer{log};
  FakeTray tray{log};
  FakeGraphics graphics{log};
  FakeWindowHost window{log};
  FakeRandom random;

  Platform Services() {
    return Platform{strings, dialogs, environment, files, timer, tray, graphics, window, random};
  }
};

}  // namespace kx::fake
