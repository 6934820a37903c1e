#include "forms/Color.h"

namespace forms {

Color SystemColorRgb(Color c) {
  if (!IsSystemColor(c)) return c & 0xFFFFFF;
  const Color face = RGB(212, 208, 200);
  switch (c & 0xFF) {
    case 0x01:
      return RGB(58, 110, 165);
    case 0x02:
    case 0x0D:
      return RGB(10, 36, 106);
    case 0x05:
    case 0x0E:
      return vbWhite;
    case 0x06:
    case 0x07:
    case 0x08:
    case 0x12:
    case 0x17:
      return vbBlack;
    case 0x0C:
    case 0x10:
    case 0x11:
      return RGB(128, 128, 128);
    case 0x18:
      return RGB(255, 255, 225);
    default:
      return face;
  }
}

}  // namespace forms
