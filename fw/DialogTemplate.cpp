#include "fw/DialogTemplate.h"

#include <map>

namespace fw {

namespace {
std::map<UINT, DialogTemplate>& Templates() {
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}
}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    // A second registration of an id replaces the first.
    Templates()[dialogTemplate.id] = dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    const auto found = Templates().find(id);
    return found == Templates().end() ? nullptr : &found->second;
}

}  // namespace fw
