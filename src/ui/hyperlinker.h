#pragma once
// Hyperlink boxes: a window class of the system's own showing a framed, centred one-line caption
// whose colour follows the pointer and the last open, with a hand cursor. A left press opens the
// box's address at once.
#include <memory>

#include "desktop/window/window.h"
#include "ui/description/kind_data.h"
#include "ui/kinds.h"

namespace ui {

class HyperLinker : public desktop::Window {
 public:
  explicit HyperLinker(description::HyperLinkerData data);

  const description::HyperLinkerData& Data() const { return data_; }
  bool Hovered() const { return hover_; }
  bool Visited() const { return visited_; }
  // The colour the caption is drawn in now.
  desktop::ColorRef TextColour() const;
  // The caption, or when it is empty the address a press would open.
  const std::string& ShownText() const;

  const desktop::WindowClass& Class() const override;
  bool OnCreate() override;
  void OnPaint(desktop::Canvas& canvas, const desktop::Region& update) override;
  void OnMouseMove(const desktop::MouseEvent& e) override;
  void OnMouseDown(const desktop::MouseEvent& e) override;

 private:
  description::HyperLinkerData data_;
  std::shared_ptr<desktop::Font> font_;
  bool hover_ = false;
  bool visited_ = false;
};

// The HyperLinker kind: creation from its kind data, hidden, with its border applied.
desktop::Window* CreateHyperLinker(const CreateParams& params);
extern const KindOps kHyperLinkerKind;

}  // namespace ui
