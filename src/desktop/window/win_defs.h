#pragma once
// The platform's notions the system relies on, with their Windows names and values: window
// styles, messages, virtual keys, hit-test codes, show commands. Kept inside the desktop layer
// and the control kinds that use them.
#include <cstdint>

namespace desktop {

// Window styles.
enum : std::uint32_t {
  WS_OVERLAPPED = 0x00000000u,
  WS_POPUP = 0x80000000u,
  WS_CHILD = 0x40000000u,
  WS_MINIMIZE = 0x20000000u,
  WS_VISIBLE = 0x10000000u,
  WS_DISABLED = 0x08000000u,
  WS_CLIPSIBLINGS = 0x04000000u,
  WS_CLIPCHILDREN = 0x02000000u,
  WS_MAXIMIZE = 0x01000000u,
  WS_CAPTION = 0x00C00000u,
  WS_BORDER = 0x00800000u,
  WS_DLGFRAME = 0x00400000u,
  WS_VSCROLL = 0x00200000u,
  WS_HSCROLL = 0x00100000u,
  WS_SYSMENU = 0x00080000u,
  WS_THICKFRAME = 0x00040000u,
  WS_GROUP = 0x00020000u,
  WS_TABSTOP = 0x00010000u,
  WS_MINIMIZEBOX = 0x00020000u,
  WS_MAXIMIZEBOX = 0x00010000u,
};

// Extended window styles.
enum : std::uint32_t {
  WS_EX_DLGMODALFRAME = 0x00000001u,
  WS_EX_TOPMOST = 0x00000008u,
  WS_EX_TOOLWINDOW = 0x00000080u,
  WS_EX_CLIENTEDGE = 0x00000200u,
  WS_EX_STATICEDGE = 0x00020000u,
  WS_EX_APPWINDOW = 0x00040000u,
  WS_EX_NOACTIVATE = 0x08000000u,
};

// Button styles.
enum : std::uint32_t {
  BS_PUSHBUTTON = 0x0,
  BS_DEFPUSHBUTTON = 0x1,
  BS_CHECKBOX = 0x2,
  BS_AUTOCHECKBOX = 0x3,
  BS_RADIOBUTTON = 0x4,
  BS_3STATE = 0x5,
  BS_AUTO3STATE = 0x6,
  BS_GROUPBOX = 0x7,
  BS_AUTORADIOBUTTON = 0x9,
  BS_TYPEMASK = 0xF,
  BS_LEFTTEXT = 0x20,
  BS_ICON = 0x40,
  BS_BITMAP = 0x80,
  BS_LEFT = 0x100,
  BS_RIGHT = 0x200,
  BS_CENTER = 0x300,
  BS_TOP = 0x400,
  BS_BOTTOM = 0x800,
  BS_VCENTER = 0xC00,
  BS_PUSHLIKE = 0x1000,
  BS_MULTILINE = 0x2000,
  BS_FLAT = 0x8000,
};

// Edit styles.
enum : std::uint32_t {
  ES_LEFT = 0x0,
  ES_CENTER = 0x1,
  ES_RIGHT = 0x2,
  ES_MULTILINE = 0x4,
  ES_UPPERCASE = 0x8,
  ES_LOWERCASE = 0x10,
  ES_PASSWORD = 0x20,
  ES_AUTOVSCROLL = 0x40,
  ES_AUTOHSCROLL = 0x80,
  ES_NOHIDESEL = 0x100,
  ES_READONLY = 0x800,
  ES_WANTRETURN = 0x1000,
  ES_NUMBER = 0x2000,
};

// Messages the system sends to controls.
enum : std::uint32_t {
  WM_SETTEXT = 0x000C,
  WM_GETTEXT = 0x000D,
  WM_GETTEXTLENGTH = 0x000E,
  WM_SETFONT = 0x0030,  // wparam: Font* (the control keeps a reference), lparam: redraw
  WM_GETFONT = 0x0031,
  WM_COMMAND = 0x0111,
  EM_GETSEL = 0x00B0,
  EM_SETSEL = 0x00B1,
  EM_SCROLLCARET = 0x00B7,
  EM_LIMITTEXT = 0x00C5,
  EM_SETPASSWORDCHAR = 0x00CC,
  EM_SETREADONLY = 0x00CF,
  BM_GETCHECK = 0x00F0,
  BM_SETCHECK = 0x00F1,
  BM_GETSTATE = 0x00F2,
  BM_SETSTATE = 0x00F3,
  BM_SETSTYLE = 0x00F4,
  BM_CLICK = 0x00F5,
  BM_GETIMAGE = 0x00F6,
  BM_SETIMAGE = 0x00F7,  // wparam: IMAGE_BITMAP or IMAGE_ICON, lparam: const Picture*
  TCM_GETCURSEL = 0x130B,
};

enum : int { IMAGE_BITMAP = 0, IMAGE_ICON = 1 };
enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2, BST_PUSHED = 4, BST_FOCUS = 8 };
enum : int { BN_CLICKED = 0, EN_CHANGE = 0x300, EN_SETFOCUS = 0x100, EN_KILLFOCUS = 0x200, BN_SETFOCUS = 6, BN_KILLFOCUS = 7 };

// Hit-test codes.
enum : int {
  HTTRANSPARENT = -1,
  HTNOWHERE = 0,
  HTCLIENT = 1,
  HTCAPTION = 2,
  HTBORDER = 18,
};

// Show commands.
enum : int {
  SW_HIDE = 0,
  SW_SHOWNORMAL = 1,
  SW_SHOWMINIMIZED = 2,
  SW_SHOWMAXIMIZED = 3,
  SW_SHOWNOACTIVATE = 4,
  SW_SHOW = 5,
  SW_MINIMIZE = 6,
  SW_SHOWNA = 8,
  SW_RESTORE = 9,
};

// Virtual keys; letters and digits are their upper-case ASCII codes.
enum : int {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_PRIOR = 0x21,
  VK_NEXT = 0x22,
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_INSERT = 0x2D,
  VK_DELETE = 0x2E,
  VK_APPS = 0x5D,
  VK_F1 = 0x70,
  VK_F10 = 0x79,
  VK_F12 = 0x7B,
  VK_CAPITAL = 0x14,
  VK_OEM_1 = 0xBA,       // ;
  VK_OEM_PLUS = 0xBB,    // =
  VK_OEM_COMMA = 0xBC,   // ,
  VK_OEM_MINUS = 0xBD,   // -
  VK_OEM_PERIOD = 0xBE,  // .
  VK_OEM_2 = 0xBF,       // /
  VK_OEM_3 = 0xC0,       // `
  VK_OEM_4 = 0xDB,       // [
  VK_OEM_5 = 0xDC,       // backslash
  VK_OEM_6 = 0xDD,       // ]
  VK_OEM_7 = 0xDE,       // '
};

// What a control asks of the keyboard (the dialog-code answer): the window's key filter gives
// these keys to the control instead of acting on them itself.
enum : unsigned {
  DLGC_WANTARROWS = 0x1,
  DLGC_WANTTAB = 0x2,
  DLGC_WANTALLKEYS = 0x4,
  DLGC_HASSETSEL = 0x8,
  DLGC_DEFPUSHBUTTON = 0x10,
  DLGC_UNDEFPUSHBUTTON = 0x20,
  DLGC_RADIOBUTTON = 0x40,
  DLGC_WANTCHARS = 0x80,
  DLGC_STATIC = 0x100,
  DLGC_BUTTON = 0x2000,
};

// Classic metrics.
constexpr int kCxEdge = 2;  // SM_CXEDGE
constexpr int kCyEdge = 2;  // SM_CYEDGE
constexpr int kCxFixedFrame = 3;
constexpr int kCyFixedFrame = 3;
constexpr int kCyCaption = 19;
constexpr int kCxBorder = 1;
constexpr int kCxSizeFrame = 4;   // a resizable frame
constexpr int kCySmCaption = 16;  // the narrow caption of a tool window
// A second press is a double-click when it comes within this time and inside a rectangle of this
// size centred on the first press.
constexpr int kDoubleClickTimeMs = 500;
constexpr int kCxDoubleClick = 4;
constexpr int kCyDoubleClick = 4;
// The shortest timer interval; shorter ones are raised to it.
constexpr int kMinTimerIntervalMs = 10;

}  // namespace desktop
