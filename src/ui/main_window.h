#pragma once
// The top-level window built from a window description, with its controls and its keyboard
// handling: Tab and Shift+Tab, Enter, Esc, F1, Alt mnemonics, and where the focus goes when the
// window is activated.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "desktop/window/window.h"
#include "ui/description/description.h"
#include "ui/control_properties.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

class MainWindow : public desktop::Window {
 public:
  MainWindow(std::uint32_t identity, const description::WindowEntry& entry, description::WindowData data);
  ~MainWindow() override;

  std::uint32_t Identity() const { return identity_; }
  const description::WindowEntry& Entry() const { return *entry_; }
  const description::WindowData& Data() const { return data_; }

  // One control per record from 1 onward, in record order, made when the window is; LoadWindow
  // creates their platform windows. Their addresses never change.
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  Control* FindControl(std::uint32_t record_identity) const;
  Control* FindControlByName(std::string_view name_gbk) const;
  Control* FindControlByWindow(const desktop::Window* window) const;
  // Record 0: the window itself.
  const description::Record& WindowRecord() const { return entry_->records.front(); }

  // The controls the Tab key visits, in Tab order: shown, enabled, tab stops, of a kind that
  // takes the focus; by tab-order key, then creation order.
  std::vector<Control*> TabCandidates() const;
  // The first Tab candidate gets the focus; false when there is none.
  bool FocusFirstCandidate();
  // Focus to the next (or previous) Tab candidate after the focused control, wrapping around.
  void MoveFocus(bool backwards);

  // The window as ReadControlProperty reads it.
  ControlProperties& Properties() { return properties_; }

  bool PreTranslateKey(const desktop::KeyEvent& key, desktop::Window* target) override;
  void OnActivate(bool active) override;
  void OnDestroy() override;

 private:
  bool HandleEnter(const desktop::KeyEvent& key, Control* focused);
  bool HandleMnemonic(char character);
  Control* FocusedControl() const;

  std::uint32_t identity_;
  const description::WindowEntry* entry_;
  description::WindowData data_;
  std::vector<std::unique_ptr<Control>> controls_;
  ControlProperties properties_{*this};
};

}  // namespace ui
