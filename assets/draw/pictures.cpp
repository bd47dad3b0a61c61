#include "pictures.h"

#include <algorithm>

#include "shopping_bags.h"

namespace assets {
namespace {

const Rgb kWhite = RgbOf(255, 255, 255);
const Rgb kTaobaoOrange = RgbOf(255, 80, 0);
const Rgb kOrangeRed = RgbOf(240, 60, 10);
const Rgb kOrange = RgbOf(255, 128, 0);
const Rgb kGreen = RgbOf(0, 145, 70);
const Rgb kJingdongRed = RgbOf(205, 25, 35);
const Rgb kNeweggBlue = RgbOf(20, 70, 150);
const Rgb kDangdangRed = RgbOf(215, 35, 40);
const Rgb kGrey = RgbOf(90, 90, 90);

// The white entry that the 淘 picture marks as transparent.
constexpr int kTaobaoTransparentIndex = 231;

PictureFile WindowIcon() {
  Image image(80, 70, kWhite);
  DrawShoppingBags(image);
  // Pixels the scene covers at least half become opaque in their own colour, taken back out of the
  // white they were drawn on; the rest are masked out and black, as an icon's mask wants.
  std::vector<bool> transparent(80 * 70);
  Image straight(80, 70, RgbOf(0, 0, 0));
  for (int y = 0; y < 70; ++y) {
    for (int x = 0; x < 80; ++x) {
      const double a = image.Coverage(x, y);
      if (a < 0.5) {
        transparent[y * 80 + x] = true;
        continue;
      }
      const Rgb c = image.At(x, y);
      auto unblend = [a](double v) { return (v - (1 - a) * 255) / a; };
      straight.Blend(x, y, {unblend(c.r), unblend(c.g), unblend(c.b)}, 1.0);
    }
  }
  PaletteImage palette = Quantize(straight, {{0, {0, 0, 0}}}, transparent, 0);
  return {"window_icon.ico", EncodeIcon(palette, transparent)};
}

PictureFile Magnifier() {
  Image image(80, 70, kWhite);
  DrawShoppingBags(image);
  return {"magnifier.gif", EncodeGif(Quantize(image, {{255, {255, 255, 255}}}), -1)};
}

PictureFile TaobaoCharacter(const Fonts& fonts) {
  Image image(55, 42, kWhite);
  const int size = fonts.chinese.FitSize("淘", 48, 42, 38, 2.4);
  fonts.chinese.DrawCentred(image, "淘", size, 27.5, 21, kTaobaoOrange, 2.4);
  PaletteImage palette = Quantize(image, {{kTaobaoTransparentIndex, {255, 255, 255}}});
  return {"taobao_promotion.gif", EncodeGif(palette, kTaobaoTransparentIndex)};
}

// A coloured band across the bottom of a 90 x 90 picture with white words in it.
void Band(Image& image, const Fonts& fonts, double top, Rgb colour, const char* words) {
  image.FillRect(0, top, 90, 90, VerticalGradient(colour, top, Mix(colour, RgbOf(0, 0, 0), 0.15), 90));
  const double height = 90 - top;
  const int size = fonts.chinese.FitSize(words, 16, 82, height - 8, 0.6);
  fonts.chinese.DrawCentred(image, words, size, 45, top + height / 2, kWhite, 0.6);
}

PictureFile JingdongPromotion(const Fonts& fonts) {
  Image image(150, 60, kWhite);
  image.FillRect(0, 0, 150, 3, Solid(kJingdongRed));
  image.FillRect(0, 57, 150, 60, Solid(kJingdongRed));
  const int size = fonts.chinese.FitSize("京东商城", 32, 130, 28, 1.4);
  fonts.chinese.DrawCentred(image, "京东商城", size, 75, 22, kJingdongRed, 1.4, 2);
  const int small = fonts.latin.FitSize("www.360buy.com", 14, 120, 12);
  fonts.latin.DrawCentred(image, "www.360buy.com", small, 75, 47, kGrey);
  return {"jingdong_promotion.jpg", EncodeJpeg(image, 90)};
}

PictureFile NeweggPromotion(const Fonts& fonts) {
  Image image(90, 90, kWhite);
  // An egg beside the name.
  image.FillEllipse(16, 30, 9, 12, Solid(RgbOf(200, 90, 0)));
  image.FillEllipse(16, 30, 7.5, 10.5, VerticalGradient(RgbOf(255, 200, 110), 19, kOrange, 41));
  image.FillEllipse(13, 25, 2, 3, Solid(kWhite), 0.8);
  const int size = fonts.latin.FitSize("newegg", 20, 58, 20, 0.2);
  fonts.latin.DrawCentred(image, "newegg", size, 57, 27, kNeweggBlue, 0.2);
  fonts.chinese.DrawCentred(image, "新蛋中国", 12, 57, 44, kOrange, 0.4);
  Band(image, fonts, 60, kOrange, "新蛋网上商城");
  return {"newegg_promotion.jpg", EncodeJpeg(image, 90)};
}

PictureFile AmazonPromotion(const Fonts& fonts) {
  Image image(90, 90, kWhite);
  const int size = fonts.latin.FitSize("joyo", 26, 70, 24, 0.3);
  fonts.latin.DrawCentred(image, "joyo", size, 45, 17, kGreen, 0.3);
  const int chinese = fonts.chinese.FitSize("卓越", 26, 60, 24, 1.2);
  fonts.chinese.DrawCentred(image, "卓越", chinese, 45, 44, RgbOf(40, 40, 40), 1.2, 4);
  Band(image, fonts, 62, kGreen, "网上商城");
  return {"amazon_promotion.jpg", EncodeJpeg(image, 90)};
}

PictureFile DangdangPromotion(const Fonts& fonts) {
  Image image(90, 90, kWhite);
  const int size = fonts.chinese.FitSize("当当网", 30, 80, 28, 1.4);
  fonts.chinese.DrawCentred(image, "当当网", size, 45, 22, kDangdangRed, 1.4, 1);
  const int latin = fonts.latin.FitSize("dangdang.com", 12, 80, 11);
  fonts.latin.DrawCentred(image, "dangdang.com", latin, 45, 45, kGrey);
  image.FillRect(0, 62, 90, 90, Solid(kDangdangRed));
  const int slogan = fonts.chinese.FitSize("网上购物享当当", 13, 86, 20, 0.4);
  fonts.chinese.DrawCentred(image, "网上购物享当当", slogan, 45, 76, kWhite, 0.4);
  return {"dangdang_promotion.jpg", EncodeJpeg(image, 90)};
}

PictureFile TaobaoLogo(const Fonts& fonts) {
  Image image(140, 35, kWhite);
  const int size = fonts.chinese.FitSize("淘宝网", 34, 128, 31, 2.0);
  fonts.chinese.DrawCentred(image, "淘宝网", size, 70, 17.5, kOrangeRed, 2.0, 6);
  return {"taobao_logo.bmp", EncodeBmp8(Quantize(image, {{255, {255, 255, 255}}}))};
}

// Two shop names side by side on a 196 x 49 logo, with a thin line between them.
PictureFile TwoNames(const Fonts& fonts, const char* file, const char* left, const char* right, Rgb colour) {
  Image image(196, 49, kWhite);
  const int size = std::min(fonts.chinese.FitSize(left, 38, 84, 38, 2.0), fonts.chinese.FitSize(right, 38, 84, 38, 2.0));
  fonts.chinese.DrawCentred(image, left, size, 49, 25, colour, 2.0, 3);
  fonts.chinese.DrawCentred(image, right, size, 147, 25, colour, 2.0, 3);
  image.FillRect(97, 10, 99, 40, Solid(colour));
  return {file, EncodeBmp24(image)};
}

}  // namespace

std::vector<PictureFile> DrawAllPictures(const Fonts& fonts) {
  return {
      WindowIcon(),
      Magnifier(),
      TaobaoCharacter(fonts),
      JingdongPromotion(fonts),
      NeweggPromotion(fonts),
      AmazonPromotion(fonts),
      DangdangPromotion(fonts),
      TaobaoLogo(fonts),
      TwoNames(fonts, "jingdong_newegg_logo.bmp", "京东", "新蛋", kOrange),
      TwoNames(fonts, "amazon_dangdang_logo.bmp", "卓越", "当当", kGreen),
  };
}

}  // namespace assets
