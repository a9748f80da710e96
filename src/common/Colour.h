// Colours as the program stores them: 32-bit values 0x00BBGGRR; the high byte 0xFF marks a
// system colour of the desktop (its low byte the system colour index).
#pragma once

#include <QtGlobal>

using TColor = quint32;

constexpr TColor RgbColour(int red, int green, int blue) {
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clAqua = 0x00FFFF00;
constexpr TColor clSilver = 0x00C0C0C0;
constexpr TColor clGray = 0x00808080;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
