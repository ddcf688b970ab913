#pragma once
#include "fw/win32/WindowsApi.h"

namespace fw {
namespace win32 {

// Bitmap statics at every display scale. The system lays a dialog out in
// dialog units, so its controls grow with the scale, but a bitmap static
// sizes itself to its bitmap's pixels. Each bitmap static of the template is
// given its bitmap again, drawn at the size of its place in the template, so
// it fills that place. At 100 % nothing is done.
void FitBitmapStatics(::HWND hDialog, UINT templateId);

}  // namespace win32
}  // namespace fw
