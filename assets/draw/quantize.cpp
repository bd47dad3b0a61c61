#include "quantize.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace assets {
namespace {

struct Weighted {
  Colour8 colour;
  long count;
};

struct Box {
  std::vector<Weighted> colours;

  int Channel(const Weighted& w, int c) const { return c == 0 ? w.colour.r : c == 1 ? w.colour.g : w.colour.b; }
  // The channel with the widest range, and that range.
  std::pair<int, int> Widest() const {
    int best = 0, range = -1;
    for (int c = 0; c < 3; ++c) {
      int lo = 255, hi = 0;
      for (const auto& w : colours) {
        lo = std::min(lo, Channel(w, c));
        hi = std::max(hi, Channel(w, c));
      }
      if (hi - lo > range) {
        range = hi - lo;
        best = c;
      }
    }
    return {best, range};
  }
  Colour8 Average() const {
    double r = 0, g = 0, b = 0, n = 0;
    for (const auto& w : colours) {
      r += double(w.colour.r) * w.count;
      g += double(w.colour.g) * w.count;
      b += double(w.colour.b) * w.count;
      n += double(w.count);
    }
    return {static_cast<std::uint8_t>(std::lround(r / n)), static_cast<std::uint8_t>(std::lround(g / n)),
            static_cast<std::uint8_t>(std::lround(b / n))};
  }
};

std::vector<Colour8> MedianCut(std::vector<Weighted> colours, int wanted) {
  std::vector<Box> boxes;
  if (!colours.empty()) boxes.push_back({std::move(colours)});
  while (static_cast<int>(boxes.size()) < wanted) {
    // Split the box with the widest channel range that can still be split.
    int pick = -1, pick_range = 0;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      int range = boxes[i].Widest().second;
      if (range > pick_range) {
        pick_range = range;
        pick = i;
      }
    }
    if (pick < 0) break;
    Box& box = boxes[pick];
    const int channel = box.Widest().first;
    std::stable_sort(box.colours.begin(), box.colours.end(), [&](const Weighted& a, const Weighted& b) {
      return box.Channel(a, channel) < box.Channel(b, channel);
    });
    long total = 0;
    for (const auto& w : box.colours) total += w.count;
    long running = 0;
    std::size_t cut = 1;
    for (std::size_t i = 0; i + 1 < box.colours.size(); ++i) {
      running += box.colours[i].count;
      cut = i + 1;
      if (running * 2 >= total) break;
    }
    Box upper{std::vector<Weighted>(box.colours.begin() + static_cast<long>(cut), box.colours.end())};
    box.colours.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::vector<Colour8> palette;
  for (const auto& box : boxes) palette.push_back(box.Average());
  return palette;
}

long Distance(Colour8 a, Colour8 b) {
  const long dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

}  // namespace

Colour8 ToColour8(Rgb c) {
  auto channel = [](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

PaletteImage Quantize(const Image& image, const std::vector<FixedEntry>& fixed, const std::vector<bool>& skip,
                      int skip_index) {
  PaletteImage out;
  out.width = image.Width();
  out.height = image.Height();
  const std::size_t size = static_cast<std::size_t>(out.width) * out.height;

  auto key = [](Colour8 c) { return (c.r << 16) | (c.g << 8) | c.b; };
  std::map<int, long> counts;
  std::vector<Colour8> pixels(size);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * out.width + x;
      pixels[i] = ToColour8(image.At(x, y));
      if (!skip.empty() && skip[i]) continue;
      bool is_fixed = std::any_of(fixed.begin(), fixed.end(), [&](const FixedEntry& f) { return f.colour == pixels[i]; });
      if (!is_fixed) ++counts[key(pixels[i])];
    }
  }
  std::vector<Weighted> colours;
  for (const auto& [k, n] : counts) {
    colours.push_back({{static_cast<std::uint8_t>(k >> 16), static_cast<std::uint8_t>(k >> 8), static_cast<std::uint8_t>(k)}, n});
  }

  std::vector<bool> taken(256, false);
  for (const auto& f : fixed) {
    out.palette[f.index] = f.colour;
    taken[f.index] = true;
  }
  if (!skip.empty()) taken[skip_index] = true;
  const int free_entries = static_cast<int>(std::count(taken.begin(), taken.end(), false));
  std::vector<Colour8> cut = MedianCut(std::move(colours), free_entries);
  std::vector<int> usable;  // palette indexes pixels may be mapped to
  for (const auto& f : fixed) usable.push_back(f.index);
  std::size_t next = 0;
  for (int i = 0; i < 256 && next < cut.size(); ++i) {
    if (taken[i]) continue;
    out.palette[i] = cut[next++];
    taken[i] = true;
    usable.push_back(i);
  }

  out.indexes.resize(size);
  std::map<int, std::uint8_t> memo;
  for (std::size_t i = 0; i < size; ++i) {
    if (!skip.empty() && skip[i]) {
      out.indexes[i] = static_cast<std::uint8_t>(skip_index);
      continue;
    }
    auto [it, fresh] = memo.try_emplace(key(pixels[i]), 0);
    if (fresh) {
      int best = usable.front();
      for (int index : usable) {
        if (Distance(out.palette[index], pixels[i]) < Distance(out.palette[best], pixels[i])) best = index;
      }
      it->second = static_cast<std::uint8_t>(best);
    }
    out.indexes[i] = it->second;
  }
  return out;
}

}  // namespace assets
