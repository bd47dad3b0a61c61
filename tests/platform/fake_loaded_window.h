#pragma once
// A loaded window for tests: its controls answer from scripted values, successive reads taking
// the next value (the last one repeats), and every read is logged.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/loaded_window.h"

namespace testing_support {

inline constexpr int kOwnText = 0;      // edit box text
inline constexpr int kOwnChecked = 10;  // check box / radio button checked state

class FakeLoadedWindow : public platform::LoadedWindow {
 public:
  struct Read {
    std::uint32_t control;
    int property;  // the full property number
    int index;
    bool operator==(const Read&) const = default;
  };

  explicit FakeLoadedWindow(std::uint32_t identity) : identity_(identity) {}

  void AddControl(std::uint32_t control, bool window_exists = true) {
    controls_[control] = window_exists;
  }
  void SetOwn(std::uint32_t control, int own_number, std::vector<platform::RawProperty> successive) {
    AddControlIfMissing(control);
    own_[{control, own_number}] = Script{std::move(successive), 0};
  }
  void SetChecked(std::uint32_t control, std::vector<int> successive) {
    std::vector<platform::RawProperty> values;
    for (int value : successive) values.push_back({platform::PropertyType::kBoolean, value, {}});
    SetOwn(control, kOwnChecked, std::move(values));
  }
  void SetText(std::uint32_t control, std::vector<std::string> successive) {
    std::vector<platform::RawProperty> values;
    for (std::string& text : successive) values.push_back({platform::PropertyType::kText, 0, std::move(text)});
    SetOwn(control, kOwnText, std::move(values));
  }
  void SetCommon(std::uint32_t control, int number, platform::RawProperty value) {
    AddControlIfMissing(control);
    common_[{control, number}] = std::move(value);
  }

  const std::vector<Read>& reads() const { return reads_; }

  std::uint32_t Identity() const override { return identity_; }
  bool HasControl(std::uint32_t control) const override { return controls_.count(control) != 0; }
  bool ControlWindowExists(std::uint32_t control) const override {
    const auto found = controls_.find(control);
    return found != controls_.end() && found->second;
  }
  bool ReadCommonProperty(std::uint32_t control, int number, platform::RawProperty* value) override {
    reads_.push_back({control, number, 0});
    const auto found = common_.find({control, number});
    if (found == common_.end()) return false;
    *value = found->second;
    return true;
  }
  bool ReadOwnProperty(std::uint32_t control, int own_number, int index, platform::RawProperty* value) override {
    reads_.push_back({control, own_number + 8, index});
    const auto found = own_.find({control, own_number});
    if (found == own_.end() || found->second.values.empty()) return false;
    Script& script = found->second;
    *value = script.values[std::min(script.next, script.values.size() - 1)];
    ++script.next;
    return true;
  }

 private:
  struct Script {
    std::vector<platform::RawProperty> values;
    std::size_t next = 0;
  };
  void AddControlIfMissing(std::uint32_t control) {
    if (!HasControl(control)) AddControl(control);
  }

  std::uint32_t identity_;
  std::map<std::uint32_t, bool> controls_;
  std::map<std::pair<std::uint32_t, int>, Script> own_;
  std::map<std::pair<std::uint32_t, int>, platform::RawProperty> common_;
  std::vector<Read> reads_;
};

// Registers the window for the lifetime of the guard.
class ScopedLoadedWindow {
 public:
  explicit ScopedLoadedWindow(platform::LoadedWindow* window) : window_(window) {
    platform::RegisterLoadedWindow(window_);
  }
  ~ScopedLoadedWindow() { platform::UnregisterLoadedWindow(window_); }
  ScopedLoadedWindow(const ScopedLoadedWindow&) = delete;
  ScopedLoadedWindow& operator=(const ScopedLoadedWindow&) = delete;

 private:
  platform::LoadedWindow* window_;
};

}  // namespace testing_support
