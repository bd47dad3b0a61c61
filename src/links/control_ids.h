#pragma once
// Identities of the main window and of its controls, as the window description records them.
// The handlers name a control by the pair (kMainWindowId, control identity).
#include <cstdint>

namespace links {

inline constexpr std::uint32_t kMainWindowId = 0x52010001;

namespace control {

inline constexpr std::uint32_t kPageControl1 = 0x16010003;  // 高级选择夹1

// Page 1: Taobao.
inline constexpr std::uint32_t kPicBox1 = 0x16010005;        // 图片框1
inline constexpr std::uint32_t kHyperLinker1 = 0x16010020;   // 超级链接框1
inline constexpr std::uint32_t kHyperLinker2 = 0x16010029;   // 超级链接框2
inline constexpr std::uint32_t kHyperLinker3 = 0x16010032;   // 超级链接框3
inline constexpr std::uint32_t kHyperLinker4 = 0x16010033;   // 超级链接框4
inline constexpr std::uint32_t kHyperLinker5 = 0x16010034;   // 超级链接框5
inline constexpr std::uint32_t kHyperLinker7 = 0x16010036;   // 超级链接框7
inline constexpr std::uint32_t kHyperLinker8 = 0x16010037;   // 超级链接框8
inline constexpr std::uint32_t kHyperLinker9 = 0x16010038;   // 超级链接框9
inline constexpr std::uint32_t kHyperLinker10 = 0x1601003D;  // 超级链接框10
inline constexpr std::uint32_t kHyperLinker11 = 0x1601003E;  // 超级链接框11
inline constexpr std::uint32_t kHyperLinker12 = 0x1601003F;  // 超级链接框12
inline constexpr std::uint32_t kEditBox1 = 0x16010041;       // 编辑框1, Taobao keywords
inline constexpr std::uint32_t kButton1 = 0x16010047;        // 按钮1
inline constexpr std::uint32_t kButton2 = 0x1601004C;        // 按钮2, Taobao search
inline constexpr std::uint32_t kCheckBox1 = 0x16010052;      // 选择框1 "如实描述"
inline constexpr std::uint32_t kCheckBox2 = 0x16010053;      // 选择框2 "7天退换"
inline constexpr std::uint32_t kCheckBox10 = 0x16010060;     // 选择框10 "旺旺在线"
inline constexpr std::uint32_t kLabel1 = 0x16010062;         // 标签1
inline constexpr std::uint32_t kRadioBox1 = 0x16010063;      // 单选框1 "价格从低到高"
inline constexpr std::uint32_t kRadioBox2 = 0x16010064;      // 单选框2 "销量从高到低"
inline constexpr std::uint32_t kCheckBox3 = 0x16010069;      // 选择框3 "淘宝商城"
inline constexpr std::uint32_t kRadioBox3 = 0x1601006A;      // 单选框3 "信用从高到低"
inline constexpr std::uint32_t kHyperLinker6 = 0x1601006C;   // 超级链接框6

// Page 2: 360buy and Newegg.
inline constexpr std::uint32_t kPicBox3 = 0x1601000E;   // 图片框3
inline constexpr std::uint32_t kEditBox2 = 0x160100A8;  // 编辑框2, 360buy/Newegg keywords
inline constexpr std::uint32_t kButton3 = 0x160100A9;   // 按钮3, 360buy/Newegg search
inline constexpr std::uint32_t kRadioBox4 = 0x160100B0; // 单选框4 "按默认排序"
inline constexpr std::uint32_t kRadioBox6 = 0x160100B3; // 单选框6 "按价格升序"
inline constexpr std::uint32_t kRadioBox5 = 0x160100B4; // 单选框5 "按价格降序"
inline constexpr std::uint32_t kButton5 = 0x160100B7;   // 按钮5
inline constexpr std::uint32_t kLabel2 = 0x160100BA;    // 标签2
inline constexpr std::uint32_t kLabel3 = 0x160100BB;    // 标签3
inline constexpr std::uint32_t kButton6 = 0x160100BC;   // 按钮6
inline constexpr std::uint32_t kLabel4 = 0x160100BD;    // 标签4

// Page 3: Amazon China and Dangdang.
inline constexpr std::uint32_t kPicBox2 = 0x160100A6;        // 图片框2
inline constexpr std::uint32_t kEditBox3 = 0x160100B5;       // 编辑框3, Amazon/Dangdang keywords
inline constexpr std::uint32_t kButton4 = 0x160100B6;        // 按钮4, Amazon/Dangdang search
inline constexpr std::uint32_t kCheckBox4 = 0x160100C2;      // 选择框4 "仅搜索图书"
inline constexpr std::uint32_t kButton7 = 0x160100C3;        // 按钮7
inline constexpr std::uint32_t kLabel5 = 0x160100C4;         // 标签5
inline constexpr std::uint32_t kButton8 = 0x160100D3;        // 按钮8
inline constexpr std::uint32_t kLabel12 = 0x16010139;        // 标签12
inline constexpr std::uint32_t kLabel13 = 0x1601013A;        // 标签13
inline constexpr std::uint32_t kHyperLinker13 = 0x1601013B;  // 超级链接框13
inline constexpr std::uint32_t kHyperLinker14 = 0x1601013D;  // 超级链接框14
inline constexpr std::uint32_t kHyperLinker15 = 0x1601013F;  // 超级链接框15
inline constexpr std::uint32_t kHyperLinker16 = 0x16010140;  // 超级链接框16
inline constexpr std::uint32_t kHyperLinker17 = 0x16010141;  // 超级链接框17
inline constexpr std::uint32_t kHyperLinker18 = 0x16010142;  // 超级链接框18

}  // namespace control
}  // namespace links
