// Prints the portable dialog tables as JSON, as the framework holds them
// after registration, for the resource check to compare with the expected
// dialogs.
#include <cstdio>
#include <string>

#include "fw/DialogTemplate.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

void PrintDialog(const fw::DialogTemplate& dialog, bool last) {
    std::printf("{\"id\": %u, \"x\": %d, \"y\": %d, \"cx\": %d, \"cy\": %d, "
                "\"style\": %lu, \"exStyle\": %lu, \"caption\": %s, "
                "\"pointSize\": %d, \"faceName\": %s, \"controls\": [\n",
                dialog.id, dialog.x, dialog.y, dialog.cx, dialog.cy,
                static_cast<unsigned long>(dialog.style),
                static_cast<unsigned long>(dialog.exStyle), Quoted(dialog.caption).c_str(),
                dialog.pointSize, Quoted(dialog.faceName).c_str());
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const fw::DialogControlTemplate& item = dialog.controls[i];
        std::printf("  {\"id\": %d, \"className\": %s, \"text\": %s, \"x\": %d, \"y\": %d, "
                    "\"cx\": %d, \"cy\": %d, \"style\": %lu}%s\n",
                    item.id, Quoted(item.className).c_str(), Quoted(item.text).c_str(),
                    item.x, item.y, item.cx, item.cy, static_cast<unsigned long>(item.style),
                    i + 1 < dialog.controls.size() ? "," : "");
    }
    std::printf("]}%s\n", last ? "" : ",");
}

}  // namespace

int main() {
    tidewell::RegisterDialogTemplates();
    const fw::UINT ids[] = {IDD_SETTINGS, IDD_ABOUTBOX};
    std::printf("{\"dialogs\": [\n");
    for (fw::UINT id : ids) {
        const fw::DialogTemplate* dialog = fw::FindDialogTemplate(id);
        if (dialog == nullptr) {
            std::fprintf(stderr, "dialog %u is not registered\n", id);
            return 1;
        }
        PrintDialog(*dialog, id == ids[1]);
    }
    std::printf("]}\n");
    return 0;
}
