#include "window/knob_image.h"

#include <string_view>

#include "window/text_art.h"

namespace kx {

Surface MakeKnobImage() {
  // clang-format off
  //     knob        mask
  static constexpr std::string_view kRows[] = {
      "AAAAAAAAK" "WWWWWWWWW",  // 0
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",
      "ABBBBBBCK" "WWWWWWWWW",  // 12
      "WABBBBCKW" "KWWWWWWWK",  // 13
      "WWABBCKWW" "KKWWWWWKK",
      "WWWACKWWW" "KKKWWWKKK",
      "WWWWKWWWW" "KKKKWKKKK",  // 16: the point
  };
  static constexpr ArtColor kLegend[] = {
      {'A', 0x00FFE2E2},  // pale lavender: lit top and left edge
      {'B', 0x00FFC0B3},  // light blue: the face
      {'C', 0x00E88145},  // blue: the shaded right edge
      {'K', kBlack},
      {'W', kWhite},
  };
  // clang-format on
  return SurfaceFromArt(kRows, kLegend);
}

}  // namespace kx
