#pragma once
#include <string>
#include <vector>

#include "fw/Types.h"

namespace fw {

// A dialog template in portable form, for backends that cannot read the
// program's compiled resources. Units are dialog units.
struct DialogControlTemplate {
    int id;
    std::string className;  // "BUTTON", "SCROLLBAR", "STATIC"
    std::string text;
    int x, y, cx, cy;
    DWORD style;
};

struct DialogTemplate {
    UINT id;
    int x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
    std::string caption;
    int pointSize;
    std::string faceName;
    std::vector<DialogControlTemplate> controls;
};

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
const DialogTemplate* FindDialogTemplate(UINT id);

}  // namespace fw
