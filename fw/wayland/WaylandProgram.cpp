#include "fw/wayland/WaylandProgram.h"

#include "fw/wayland/Connection.h"
#include "fw/wayland/DesktopPicture.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

const BackendTable& Primitives() {
    static const BackendTable table = TIDEWELL_BACKEND_TABLE();
    return table;
}

bool Connect(std::string& error) {
    if (!OpenConnection(error)) {
        return false;
    }
    UseBackend(Primitives());
    return true;
}

bool TakeDesktopPictures() {
    WantPictures();
    bool all = true;
    for (Output* output : ReadyOutputs()) {
        all = TakePictureIfWanted(*output) && all;
    }
    return all;
}

void DestroyAllWindows() {
    if (W().display == nullptr) {
        return;
    }
    for (HWND hWnd : OurWindows()) {
        DestroyOurWindow(hWnd);
    }
}

std::string LostConnection() { return W().lost; }

}  // namespace fw::wayland
