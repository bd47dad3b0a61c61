#include "kind_fixture.h"

#include <memory>

#include "app/shell_state.h"
#include "desktop/text/gbk.h"
#include "platform/platform_operations.h"
#include "ui/description/stored_form.h"
#include "ui/description/writer.h"

namespace kinds_test {

namespace {

class Host : public Window {
 public:
  void OnPaint(Canvas& canvas, const Region& update) override {
    (void)update;
    canvas.FillRect(ClientRect(), kHostColour);
  }
};

}  // namespace

std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }
std::string Utf8(std::string_view gbk) { return GbkToUtf8(gbk); }

void KindTest::SetUp() {
  WindowSystem::Get().Reset();
  app::ResetShellStateForTesting();
  // No loaded window stands behind these controls: their events must reach no handler.
  app::MarkEndBegun();
  platform::SetPlatformOperations(&operations_);
  backend_ = &InstallHeadlessBackend({1024, 768});
  host_ = Window::Create(std::make_unique<Host>(), nullptr, Rect::FromSize(100, 100, 700, 500),
                         WS_POPUP | WS_VISIBLE, 0, "", 0);
  ASSERT_NE(host_, nullptr);
  WindowSystem::Get().Activate(host_);
}

void KindTest::TearDown() {
  WindowSystem::Get().Reset();
  platform::SetPlatformOperations(nullptr);
  app::ResetShellStateForTesting();
}

Window* KindTest::Create(const ui::description::KindData& data, const Rect& rect, std::uint32_t common_styles) {
  return CreateFromBytes(ui::description::RecordTypeOf(data), ui::description::KindDataBytes(data), rect,
                         common_styles);
}

Window* KindTest::CreateFromBytes(std::uint32_t type, std::vector<std::uint8_t> bytes, const Rect& rect,
                                  std::uint32_t common_styles) {
  const ui::KindOps* kind = ui::FindKind(type);
  EXPECT_NE(kind, nullptr) << std::hex << type;
  if (kind == nullptr) return nullptr;
  const std::vector<std::uint8_t>& kept = bytes_.emplace_back(std::move(bytes));
  ui::description::Record& record = records_.emplace_back();
  record.identity = 0x16010000u + static_cast<std::uint32_t>(next_id_);
  record.common.type = type;
  record.kind_data = kept;
  ui::Control& control = controls_.emplace_back();
  control.window_identity = ui::description::kMainWindowIdentity;
  control.record = &record;
  control.creation_rank = static_cast<int>(controls_.size());
  ui::CreateParams params{.control = &control,
                          .parent = host_,
                          .rect = rect,
                          .common_styles = common_styles,
                          .id = next_id_,
                          .kind_data = kept};
  next_id_ += 10;
  Window* w = kind->create(params);
  if (w == nullptr) return nullptr;
  EXPECT_FALSE(w->IsVisibleFlag()) << "a control is created hidden";
  control.window = w;
  w->ShowWindow(SW_SHOWNA);
  return w;
}

ColorRef KindTest::PixelAt(const Window& w, Point client) {
  WindowSystem::Get().UpdateAll();
  return backend_->ClientPixel(w, client);
}

std::vector<std::vector<ColorRef>> KindTest::Pixels(const Window& w) {
  WindowSystem::Get().UpdateAll();
  const Rect client = w.ClientRect();
  std::vector<std::vector<ColorRef>> rows(static_cast<std::size_t>(client.Height()));
  for (int y = 0; y < client.Height(); ++y)
    for (int x = 0; x < client.Width(); ++x) rows[static_cast<std::size_t>(y)].push_back(backend_->ClientPixel(w, {x, y}));
  return rows;
}

bool KindTest::AnyPixel(const Window& w, const Rect& area, ColorRef c) {
  WindowSystem::Get().UpdateAll();
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (backend_->ClientPixel(w, {x, y}) == c) return true;
  return false;
}

Rect KindTest::InkBounds(const Window& w, ColorRef background) {
  const auto rows = Pixels(w);
  Rect bounds;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()); ++x)
      if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != background)
        bounds = bounds.Union(Rect{x, y, x + 1, y + 1});
  return bounds;
}

}  // namespace kinds_test
