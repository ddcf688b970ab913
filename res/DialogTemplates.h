#pragma once
// The settings dialog (102) and the About box (100) as portable data, for a
// backend without compiled resources. The definition is generated from
// res/dialogs.py, the table the resource script's dialogs come from too.

namespace tidewell {

// Registers both templates with the framework under their resource ids.
void RegisterDialogTemplates();

}  // namespace tidewell
