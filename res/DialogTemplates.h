#pragma once
// The settings dialog (102) and the About box (100) as portable data, the
// same controls, ids, texts, positions and styles as in Tidewell.rc. A
// backend without compiled resources builds its dialogs from these.
#include "fw/DialogTemplate.h"

namespace tidewell {

fw::DialogTemplate SettingsDialogTemplate();
fw::DialogTemplate AboutDialogTemplate();

// Registers both templates with the framework under their resource ids.
void RegisterDialogTemplates();

}  // namespace tidewell
