#pragma once
// A loaded main window as ReadControlProperty sees it: the common properties of every control
// answered from its record, the kind's own properties asked of the live control.
#include <cstdint>

#include "platform/loaded_window.h"

namespace ui {

class MainWindow;

class ControlProperties : public platform::LoadedWindow {
 public:
  explicit ControlProperties(const MainWindow& window) : window_(window) {}

  std::uint32_t Identity() const override;
  bool HasControl(std::uint32_t control) const override;
  bool ControlWindowExists(std::uint32_t control) const override;
  bool ReadCommonProperty(std::uint32_t control, int number, platform::RawProperty* value) override;
  bool ReadOwnProperty(std::uint32_t control, int own_number, int index, platform::RawProperty* value) override;

 private:
  const MainWindow& window_;
};

}  // namespace ui
