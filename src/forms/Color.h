#pragma once

namespace forms {

// 0x00BBGGRR: red in the low byte. Values with the high bit set name a system colour
// (VB's 0x800000nn), resolved to RGB by SystemColorRgb.
using Color = long;

constexpr Color vbBlack = 0x000000;
constexpr Color vbRed = 0x0000FF;
constexpr Color vbGreen = 0x00FF00;
constexpr Color vbYellow = 0x00FFFF;
constexpr Color vbBlue = 0xFF0000;
constexpr Color vbMagenta = 0xFF00FF;
constexpr Color vbCyan = 0xFFFF00;
constexpr Color vbWhite = 0xFFFFFF;

constexpr Color vbScrollBars = 0x80000000;
constexpr Color vbDesktop = 0x80000001;
constexpr Color vbActiveTitleBar = 0x80000002;
constexpr Color vbWindowBackground = 0x80000005;
constexpr Color vbWindowFrame = 0x80000006;
constexpr Color vbMenuText = 0x80000007;
constexpr Color vbWindowText = 0x80000008;
constexpr Color vbActiveBorder = 0x8000000A;
constexpr Color vbApplicationWorkspace = 0x8000000C;
constexpr Color vbHighlight = 0x8000000D;
constexpr Color vbHighlightText = 0x8000000E;
constexpr Color vbButtonFace = 0x8000000F;
constexpr Color vbButtonShadow = 0x80000010;
constexpr Color vbGrayText = 0x80000011;
constexpr Color vbButtonText = 0x80000012;
constexpr Color vbInfoText = 0x80000017;
constexpr Color vbInfoBackground = 0x80000018;

constexpr bool IsSystemColor(Color c) { return (c & 0x80000000L) != 0; }

// Plain 0x00BBGGRR for any colour; system colours get the classic Windows defaults.
Color SystemColorRgb(Color c);

constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Color RGB(int r, int g, int b) { return (static_cast<Color>(b) << 16) | (g << 8) | r; }

}  // namespace forms
