#pragma once
// Points, sizes, rectangles and regions in whole pixels. Rectangles are half-open, as the
// platform we stand in for has them: `right` and `bottom` lie just outside.
#include <algorithm>
#include <vector>

namespace desktop {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
  Point operator+(Point o) const { return {x + o.x, y + o.y}; }
  Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Size GetSize() const { return {Width(), Height()}; }
  Point TopLeft() const { return {left, top}; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  Rect Offset(Point d) const { return Offset(d.x, d.y); }
  Rect Inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
  Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.IsEmpty() ? Rect{} : r;
  }
  // The smallest rectangle holding both; an empty rectangle adds nothing.
  Rect Union(const Rect& o) const {
    if (IsEmpty()) return o;
    if (o.IsEmpty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A set of pixels kept as disjoint rectangles: update regions and clip regions.
class Region {
 public:
  Region() = default;
  explicit Region(const Rect& r) { Add(r); }

  bool IsEmpty() const { return rects_.empty(); }
  const std::vector<Rect>& Rects() const { return rects_; }
  Rect Bounds() const {
    Rect b;
    for (const Rect& r : rects_) b = b.Union(r);
    return b;
  }
  bool Contains(Point p) const {
    return std::any_of(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.Contains(p); });
  }
  bool Intersects(const Rect& r) const {
    return std::any_of(rects_.begin(), rects_.end(), [&](const Rect& q) { return !q.Intersect(r).IsEmpty(); });
  }

  void Clear() { rects_.clear(); }
  void Add(const Rect& r) {
    if (r.IsEmpty()) return;
    Subtract(r);
    rects_.push_back(r);
  }
  void Add(const Region& o) {
    for (const Rect& r : o.rects_) Add(r);
  }
  void Subtract(const Rect& cut) {
    if (cut.IsEmpty()) return;
    std::vector<Rect> out;
    out.reserve(rects_.size() + 4);
    for (const Rect& r : rects_) {
      Rect i = r.Intersect(cut);
      if (i.IsEmpty()) {
        out.push_back(r);
        continue;
      }
      // Up to four pieces of r remain around the cut: above, below, left, right.
      if (r.top < i.top) out.push_back({r.left, r.top, r.right, i.top});
      if (i.bottom < r.bottom) out.push_back({r.left, i.bottom, r.right, r.bottom});
      if (r.left < i.left) out.push_back({r.left, i.top, i.left, i.bottom});
      if (i.right < r.right) out.push_back({i.right, i.top, r.right, i.bottom});
    }
    rects_ = std::move(out);
  }
  void Intersect(const Rect& clip) {
    std::vector<Rect> out;
    for (const Rect& r : rects_) {
      Rect i = r.Intersect(clip);
      if (!i.IsEmpty()) out.push_back(i);
    }
    rects_ = std::move(out);
  }
  void Intersect(const Region& o) {
    std::vector<Rect> out;
    for (const Rect& a : rects_)
      for (const Rect& b : o.rects_) {
        Rect i = a.Intersect(b);
        if (!i.IsEmpty()) out.push_back(i);
      }
    rects_ = std::move(out);
  }
  void Offset(int dx, int dy) {
    for (Rect& r : rects_) r = r.Offset(dx, dy);
  }

 private:
  std::vector<Rect> rects_;
};

}  // namespace desktop
