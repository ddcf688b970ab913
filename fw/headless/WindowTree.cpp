#include "fw/headless/WindowTree.h"

#include <algorithm>

#include "fw/Backend.h"
#include "fw/Messages.h"
#include "fw/Wnd.h"

namespace fw::headless {

namespace {

// Handles are never used twice in a process, so a stale handle stays stale
// across Reset.
HWND NewHandle() {
    static std::uintptr_t next = 0x10000;
    next += 4;
    return reinterpret_cast<HWND>(next);
}

bool IsTopmost(const WindowRecord& r) { return (r.exStyle & WS_EX_TOPMOST) != 0; }

std::vector<WindowRecord*> TopLevelWindows() {
    std::vector<WindowRecord*> out;
    for (auto& entry : TheWorld().windows) {
        if (!entry.second->child) {
            out.push_back(entry.second.get());
        }
    }
    return out;
}

// What is under a window that goes away or gets smaller is shown again: the
// desktop for top-level windows, and a repaint of every window there.
void Uncover(const WindowRecord& gone, const RECT& screenRect) {
    World& world = TheWorld();
    if (!gone.child) {
        world.screen.RestoreDesktop(screenRect);
    }
    for (auto& entry : world.windows) {
        WindowRecord& other = *entry.second;
        if (&other == &gone || !IsShown(other)) {
            continue;
        }
        const RECT overlap = IntersectRects(other.rect, screenRect);
        if (!IsEmptyRect(overlap)) {
            InvalidateClient(other.hWnd, OffsetRectBy(overlap, -other.rect.left, -other.rect.top), true);
        }
    }
}

void SendDestroyTree(HWND hWnd) {
    Send(hWnd, WM_DESTROY);
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    const std::vector<HWND> children = record->children;
    for (const HWND child : children) {
        if (FindWindow(child) != nullptr) {
            SendDestroyTree(child);
        }
    }
}

// Children first, then the window: its last message, after which the record
// goes.
void FreeTree(HWND hWnd) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    const std::vector<HWND> children = record->children;
    for (const HWND child : children) {
        FreeTree(child);
    }
    KillTimersOf(hWnd);
    Send(hWnd, WM_NCDESTROY);
    World& world = TheWorld();
    record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    if (WindowRecord* parent = record->child ? FindWindow(record->hWndParent) : nullptr) {
        parent->children.erase(std::remove(parent->children.begin(), parent->children.end(), hWnd),
                               parent->children.end());
    }
    if (world.active == hWnd) {
        world.active = nullptr;
    }
    world.windows.erase(hWnd);
}

// The window to activate when the active one goes: its owner when that can
// take it, else the highest visible top-level window left.
HWND NextActiveAfter(const WindowRecord& leaving) {
    if (WindowRecord* owner = leaving.child ? nullptr : FindWindow(leaving.hWndParent)) {
        if (IsShown(*owner) && !owner->destroying) {
            return owner->hWnd;
        }
    }
    WindowRecord* best = nullptr;
    for (WindowRecord* r : TopLevelWindows()) {
        if (r != &leaving && IsShown(*r) && !r->destroying && (best == nullptr || StackedAbove(*r, *best))) {
            best = r;
        }
    }
    return best != nullptr ? best->hWnd : nullptr;
}

}  // namespace

bool StackedAbove(const WindowRecord& a, const WindowRecord& b) {
    if (IsTopmost(a) != IsTopmost(b)) {
        return IsTopmost(a);
    }
    return a.z > b.z;
}

WindowRecord* FindWindow(HWND hWnd) {
    World& world = TheWorld();
    const auto found = world.windows.find(hWnd);
    return found == world.windows.end() ? nullptr : found->second.get();
}

LRESULT Deliver(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (FindWindow(hWnd) == nullptr) {
        return 0;  // gone: dropped
    }
    TheWorld().outside->Delivering(hWnd, message, wParam, lParam);
    if (CWnd* object = CWnd::FromHandlePermanent(hWnd)) {
        return detail::DeliverMessage(*object, message, wParam, lParam);
    }
    CWnd* temporary = CWnd::FromHandle(hWnd);
    return backend::DefaultProcessing(*temporary, message, wParam, lParam);
}

BOOL Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hWnd != nullptr && FindWindow(hWnd) == nullptr) {
        return FALSE;
    }
    TheWorld().posted.push_back(QueuedMessage{hWnd, message, wParam, lParam});
    return TRUE;
}

HWND CreateWindowFor(const CreateParams& params) {
    const backend::WindowCreation& p = params.creation;
    World& world = TheWorld();
    const WindowClass* windowClass = FindClass(p.className != nullptr ? p.className : detail::DefaultWindowClass());
    const int width = p.rect.Width();
    const int height = p.rect.Height();
    if (windowClass == nullptr || width < 0 || height < 0) {
        return nullptr;
    }
    const bool child = (p.style & WS_CHILD) != 0;
    WindowRecord* parent = p.parent != nullptr ? FindWindow(p.parent) : nullptr;
    if ((p.parent != nullptr && parent == nullptr) || (child && parent == nullptr)) {
        return nullptr;
    }

    auto record = std::make_unique<WindowRecord>();
    const HWND hWnd = NewHandle();
    record->hWnd = hWnd;
    record->child = child;
    // An owned pop-up is owned by the parent's top-level window.
    record->hWndParent = child ? p.parent : (parent != nullptr ? TopLevelOf(p.parent) : nullptr);
    record->className = windowClass->name;
    record->style = p.style & ~WS_VISIBLE;
    record->exStyle = p.exStyle;
    record->id = p.id;
    record->dialog = windowClass->dialog;
    const int originX = child ? parent->rect.left : 0;
    const int originY = child ? parent->rect.top : 0;
    record->rect = OffsetRectBy(p.rect, originX, originY);
    record->z = world.nextZ++;
    world.windows[hWnd] = std::move(record);
    if (child) {
        parent->children.push_back(hWnd);
    }
    if (params.object != nullptr) {
        params.object->Attach(hWnd);
    }

    CREATESTRUCT cs = detail::CreateStructFor(p);
    if (Send(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        Destroy(hWnd);
        return nullptr;
    }
    if (FindWindow(hWnd) == nullptr) {
        return nullptr;  // destroyed while being created
    }
    Send(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<unsigned>(width), static_cast<unsigned>(height)));
    if ((p.style & WS_VISIBLE) != 0 && params.showIfVisible && FindWindow(hWnd) != nullptr) {
        SetVisible(hWnd, true);
    }
    return FindWindow(hWnd) != nullptr ? hWnd : nullptr;
}

BOOL Destroy(HWND hWnd) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;
    // Owned windows go first, as the platform does.
    std::vector<HWND> owned;
    for (WindowRecord* r : TopLevelWindows()) {
        if (r->hWndParent == hWnd) {
            owned.push_back(r->hWnd);
        }
    }
    for (const HWND h : owned) {
        Destroy(h);
    }
    if (FindWindow(hWnd) != nullptr && FindWindow(hWnd)->visible) {
        SetVisible(hWnd, false);
    }
    if (FindWindow(hWnd) == nullptr) {
        return TRUE;
    }
    SendDestroyTree(hWnd);
    FreeTree(hWnd);
    return TRUE;
}

void SetVisible(HWND hWnd, bool visible) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr || record->visible == visible) {
        return;
    }
    World& world = TheWorld();
    if (visible) {
        record->visible = true;
        record->style |= WS_VISIBLE;
        InvalidateAll(hWnd, true);
        if (!record->child) {
            record->z = world.nextZ++;
            ActivateTopLevel(hWnd);
        }
        if (FindWindow(hWnd) != nullptr) {
            world.outside->WindowShown(hWnd);
        }
        return;
    }
    // Activation leaves a window before it is hidden.
    if (!record->child && world.active == hWnd) {
        const HWND next = NextActiveAfter(*record);
        if (next != nullptr) {
            ActivateTopLevel(next);
        } else {
            DeactivateApplication();
        }
    }
    record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    const bool wasShown = IsShown(*record);
    record->visible = false;
    record->style &= ~WS_VISIBLE;
    if (wasShown) {
        Uncover(*record, VisibleScreenRect(hWnd));
    }
}

void SetIconic(HWND hWnd, bool iconic) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr || record->iconic == iconic) {
        return;
    }
    record->iconic = iconic;
    InvalidateAll(hWnd, true);
    Send(hWnd, WM_SIZE, iconic ? SIZE_MINIMIZED : SIZE_RESTORED,
         MAKELPARAM(static_cast<unsigned>(record->Width()), static_cast<unsigned>(record->Height())));
}

void MoveTo(HWND hWnd, const RECT& screenRect) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    const RECT old = record->rect;
    const bool shown = IsShown(*record);
    const RECT oldVisible = VisibleScreenRect(hWnd);
    const int dx = screenRect.left - old.left;
    const int dy = screenRect.top - old.top;
    record->rect = screenRect;
    // Children keep their place in the parent.
    std::vector<HWND> pending = record->children;
    while (!pending.empty()) {
        const HWND h = pending.back();
        pending.pop_back();
        if (WindowRecord* c = FindWindow(h)) {
            c->rect = OffsetRectBy(c->rect, dx, dy);
            pending.insert(pending.end(), c->children.begin(), c->children.end());
        }
    }
    if (shown) {
        Uncover(*record, oldVisible);
        InvalidateAll(hWnd, true);
    }
    if (old.Width() != screenRect.Width() || old.Height() != screenRect.Height()) {
        Send(hWnd, WM_SIZE, SIZE_RESTORED,
             MAKELPARAM(static_cast<unsigned>(screenRect.Width()), static_cast<unsigned>(screenRect.Height())));
    }
}

HWND TopLevelOf(HWND hWnd) {
    WindowRecord* record = FindWindow(hWnd);
    while (record != nullptr && record->child) {
        WindowRecord* parent = FindWindow(record->hWndParent);
        if (parent == nullptr) {
            break;
        }
        record = parent;
    }
    return record != nullptr ? record->hWnd : nullptr;
}

void ActivateTopLevel(HWND hWnd) {
    World& world = TheWorld();
    hWnd = TopLevelOf(hWnd);
    if (hWnd == nullptr || world.active == hWnd) {
        return;
    }
    const HWND previous = world.active;
    if (previous != nullptr && FindWindow(previous) != nullptr) {
        Send(previous, WM_NCACTIVATE, FALSE);
        Send(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hWnd));
    }
    if (FindWindow(hWnd) == nullptr) {
        return;
    }
    world.active = hWnd;
    if (WindowRecord* record = FindWindow(hWnd)) {
        record->z = world.nextZ++;
    }
    if (!world.appActive) {
        world.appActive = true;
        for (WindowRecord* r : TopLevelWindows()) {
            Send(r->hWnd, WM_ACTIVATEAPP, TRUE, 0);
        }
    }
    Send(hWnd, WM_NCACTIVATE, TRUE);
    Send(hWnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
}

void DeactivateApplication() {
    World& world = TheWorld();
    const HWND previous = world.active;
    world.active = nullptr;
    if (previous != nullptr && FindWindow(previous) != nullptr) {
        Send(previous, WM_NCACTIVATE, FALSE);
        Send(previous, WM_ACTIVATE, WA_INACTIVE, 0);
    }
    if (world.appActive) {
        world.appActive = false;
        std::vector<HWND> handles;
        for (WindowRecord* r : TopLevelWindows()) {
            handles.push_back(r->hWnd);
        }
        for (const HWND h : handles) {
            Send(h, WM_ACTIVATEAPP, FALSE, 0);
        }
    }
}

void InvalidateClient(HWND hWnd, const RECT& clientRect, bool erase) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    const RECT cut = IntersectRects(clientRect, MakeRect(0, 0, record->Width(), record->Height()));
    if (IsEmptyRect(cut)) {
        return;
    }
    record->invalid = UnionRects(record->invalid, cut);
    record->erasePending = record->erasePending || erase;
}

void InvalidateAll(HWND hWnd, bool erase) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return;
    }
    InvalidateClient(hWnd, MakeRect(0, 0, record->Width(), record->Height()), erase);
    for (const HWND child : record->children) {
        InvalidateAll(child, erase);
    }
}

bool IsShown(const WindowRecord& record) {
    const WindowRecord* r = &record;
    while (r != nullptr) {
        if (!r->visible) {
            return false;
        }
        if (!r->child) {
            return true;
        }
        r = FindWindow(r->hWndParent);
    }
    return false;
}

RECT VisibleScreenRect(HWND hWnd) {
    WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return RECT();
    }
    RECT r = record->rect;
    const WindowRecord* up = record;
    while (up->child) {
        up = FindWindow(up->hWndParent);
        if (up == nullptr) {
            break;
        }
        r = IntersectRects(r, up->rect);
    }
    return r;
}

HWND ChildWithId(HWND hParent, int id) {
    WindowRecord* parent = FindWindow(hParent);
    if (parent == nullptr) {
        return nullptr;
    }
    for (const HWND h : parent->children) {
        if (WindowRecord* c = FindWindow(h); c != nullptr && c->id == id) {
            return h;
        }
    }
    return nullptr;
}

void KillTimersOf(HWND hWnd) {
    std::vector<Timer>& timers = TheWorld().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [hWnd](const Timer& t) { return t.hWnd == hWnd; }),
                 timers.end());
}

}  // namespace fw::headless
