#pragma once
#include "fw/win32/WindowsApi.h"

namespace fw {
namespace win32 {

// Bitmap statics at every display scale. The system lays a dialog out in
// dialog units, so its controls grow with the scale, but a bitmap static
// sizes itself to its bitmap's pixels. Each bitmap static of the template is
// given the picture drawn for the dialog's scale, fitted smoothly to the size
// of its place in the template, so it fills that place. At 100 % nothing is
// done.
//
// The picture of bitmap N drawn for P % is the bitmap resource N + P * 100;
// the one for the nearest scale at or above the dialog's is taken (the
// largest there is above them all), or N itself when there is none.
void FitBitmapStatics(::HWND hDialog, UINT templateId);

}  // namespace win32
}  // namespace fw
