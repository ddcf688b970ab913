#include "fw/headless/World.h"

#include <cstdio>

namespace fw::headless {

namespace {
std::unique_ptr<World>& WorldSlot() {
    static auto& slot = *new std::unique_ptr<World>(std::make_unique<World>());
    return slot;
}

std::vector<std::unique_ptr<WindowClass>>& Classes() {
    // Names handed out stay valid for the process, so the table is never
    // destroyed.
    static auto& classes = *new std::vector<std::unique_ptr<WindowClass>>();
    if (classes.empty()) {
        const char* builtIn[] = {kDefaultClassName, "BUTTON", "SCROLLBAR", "STATIC", "#32770"};
        for (const char* name : builtIn) {
            auto c = std::make_unique<WindowClass>();
            c->name = name;
            c->dialog = c->name == "#32770";
            if (c->name == kDefaultClassName) {
                c->info.cursor = ArrowCursor();
            }
            classes.push_back(std::move(c));
        }
    }
    return classes;
}

bool SameName(const std::string& a, const std::string& b) { return FoldName(a) == FoldName(b); }
}  // namespace

World& TheWorld() { return *WorldSlot(); }

void ResetWorld() {
    // The old state goes first: its records hold nothing that needs it.
    WorldSlot().reset();
    WorldSlot() = std::make_unique<World>();
}

const WindowClass* FindClass(const std::string& name) {
    for (const auto& c : Classes()) {
        if (SameName(c->name, name)) {
            return c.get();
        }
    }
    return nullptr;
}

const char* RegisterClass(const ClassInfo& info) {
    for (const auto& c : Classes()) {
        if (!c->dialog && c->name != kDefaultClassName && c->info.style == info.style &&
            c->info.cursor == info.cursor && c->info.brush == info.brush && c->info.icon == info.icon &&
            c->name.compare(0, 8, "FwClass:") == 0) {
            return c->name.c_str();
        }
    }
    char name[96];
    std::snprintf(name, sizeof name, "FwClass:%x:%p:%p:%p", info.style, static_cast<void*>(info.cursor),
                  static_cast<void*>(info.brush), static_cast<void*>(info.icon));
    auto c = std::make_unique<WindowClass>();
    c->name = name;
    c->info = info;
    Classes().push_back(std::move(c));
    return Classes().back()->name.c_str();
}

std::size_t RegisteredClassCount() {
    std::size_t count = 0;
    for (const auto& c : Classes()) {
        count += c->name.compare(0, 8, "FwClass:") == 0 ? 1 : 0;
    }
    return count;
}

}  // namespace fw::headless
