#include "engine/rokuyo_cycle.h"

namespace {

constexpr const char* kNames[RokuyoCycle::kCount] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
constexpr const char* kReadings[RokuyoCycle::kCount] = {"せんかち", "ともびき", "せんまけ",
                                                        "ぶつめつ", "たいあん", "しゃっく"};

}  // namespace

const char* RokuyoCycle::RokuyoName(int index) const {
  return index >= 0 && index < kCount ? kNames[index] : "";
}

const char* RokuyoCycle::RokuyoReading(int index) const {
  return index >= 0 && index < kCount ? kReadings[index] : "";
}
