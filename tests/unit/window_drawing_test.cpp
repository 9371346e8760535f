#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "window/knob_image.h"
#include "window/settings_pictures.h"

namespace kx {
namespace {

constexpr SystemColors kColors{};

TEST(WindowDrawing, OutOfRangeLevelDrawsNothingOutsideTheBox) {
  fake::FakePlatform fake;
  SettingsPictures pictures;
  pictures.SetUp(MakeWindowLayout(15, 15, 115), kColors);
  const Surface knob = MakeKnobImage();
  // Only from a hand-edited settings file.
  for (const int level : {5, -1, 32767}) {
    pictures.DrawSpeedBar(fake.graphics, static_cast<std::int16_t>(level), knob,
                          u"Fast         Slow");
    EXPECT_EQ(pictures.SpeedBox().Width(), 121);
    EXPECT_EQ(pictures.SpeedBox().At(116, 1), kColors.face) << level;
    EXPECT_EQ(pictures.SpeedBox().At(0, 1), kColors.face) << level;
  }
}

}  // namespace
}  // namespace kx
