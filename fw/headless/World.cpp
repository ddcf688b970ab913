#include "fw/headless/World.h"

namespace fw::headless {

namespace {

std::vector<std::unique_ptr<WindowClass>>& Classes() {
    // Names handed out stay valid for the process, so the table is never
    // destroyed.
    static auto& classes = *new std::vector<std::unique_ptr<WindowClass>>();
    if (classes.empty()) {
        // The system's own classes: controls and the dialog manager's.
        for (const char* name : {"BUTTON", "SCROLLBAR", "STATIC", "#32770"}) {
            auto c = std::make_unique<WindowClass>();
            c->name = name;
            c->dialog = c->name == "#32770";
            classes.push_back(std::move(c));
        }
    }
    return classes;
}

bool SameName(const std::string& a, const std::string& b) { return FoldName(a) == FoldName(b); }

Outside& Nobody() {
    static Outside nobody;
    return nobody;
}

}  // namespace

World& TheWorld() {
    // Never destroyed: objects may go during the process's own end.
    static auto& world = *new World;
    if (world.outside == nullptr) {
        world.outside = &Nobody();
    }
    return world;
}

void ResetWorld() {
    // In place, so a reference to the world taken before stays good. The old
    // records hold nothing that needs the world while they go.
    World& world = TheWorld();
    Outside* outside = world.outside;
    world = World();
    world.outside = outside;
    outside->Reset();
}

void SetOutside(Outside* outside) { TheWorld().outside = outside != nullptr ? outside : &Nobody(); }

const WindowClass* FindClass(const std::string& name) {
    for (const auto& c : Classes()) {
        if (SameName(c->name, name)) {
            return c.get();
        }
    }
    return nullptr;
}

void RegisterClass(const std::string& name, const ClassInfo& info) {
    if (FindClass(name) != nullptr) {
        return;  // the first registration stands, as the platform keeps it
    }
    auto c = std::make_unique<WindowClass>();
    c->name = name;
    c->info = info;
    Classes().push_back(std::move(c));
}

}  // namespace fw::headless
