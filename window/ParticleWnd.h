#pragma once
#include <optional>

#include "fw/Fw.h"
#include "particles/FieldHost.h"
#include "particles/ParticleField.h"

namespace tidewell {

// A window that holds and hosts one particle field: built from the stored
// settings, animated by frame timer 1, first-painted over what the screen
// showed. Heap windows pass bAutoDelete TRUE and delete themselves after
// their last message.
class CParticleWnd : public fw::CWnd, public CFieldHost {
public:
    explicit CParticleWnd(fw::BOOL bAutoDelete);
    // A window that stands for one monitor of several: the monitor's
    // rectangle is its screen wherever the window asks for the screen's size,
    // and seedOffset (the monitor's index) keeps its random source apart from
    // its neighbours', which are seeded in the same second.
    CParticleWnd(fw::BOOL bAutoDelete, const fw::RECT& rcMonitor, unsigned seedOffset);
    ~CParticleWnd() override;

    // rect is in the parent's client coordinates, or the screen's without a
    // parent. nID and pContext are not used.
    // Returns the creation result. An auto-delete object whose window could
    // not be made is deleted before FALSE is returned: the caller must not
    // touch it afterwards.
    virtual fw::BOOL CreateParticleWindow(fw::DWORD dwExStyle, fw::DWORD dwStyle, const fw::RECT& rect,
                                          fw::CWnd* pParentWnd, fw::UINT nID = 0, void* pContext = nullptr);

    void SetParticleSpeed(int speed) { m_field.SetParticleSpeed(speed); }
    void SetParticleNumber(int number) { m_field.SetParticleNumber(number); }
    void SetBackColor(COLORREF colour) { m_field.SetBackColor(colour); }

    // CFieldHost
    void GetScreenSize(int& width, int& height) override;
    void GetClientSize(int& width, int& height) override;
    void RestartFrameTimer() override;
    CTickSource& GetTickSource() override;

    CParticleField m_field;
    fw::BOOL m_bAutoDelete;
    fw::BOOL m_bBlank;
    fw::BOOL m_bCaptured;

    static constexpr fw::UINT_PTR kFrameTimer = 1;

    // For platforms whose windows change size while they run (X11): from
    // then on a client size that changes after the first paint makes the
    // field anew for the new size, over the picture the window then shows,
    // as that platform's savers reshape. Off by default: the field keeps the
    // size of its first paint.
    static void FollowSizeChanges(bool bFollow);
    // The field made anew over the same picture: the particles painted over
    // with what they hid, then new ones born. For hosts that start the
    // animation over without ending the saver.
    void RestartField();

    // The process-wide class of windows as wide as the screen: null until the
    // first such window registers it.
    static const char* RegisteredClassName();

protected:
    // The screen in screen coordinates: the window's monitor, or the primary
    // screen read afresh.
    fw::RECT ScreenRect() const;

    int OnCreate(fw::CREATESTRUCT* lpCreateStruct) override;
    void OnTimer(fw::UINT_PTR nIDEvent) override;
    void OnPaint() override;
    void OnSize(fw::UINT nType, int cx, int cy) override;
    void PostNcDestroy() override;

private:
    // Paints the captured picture back wherever a particle stands and
    // empties the occupancy grid.
    void EraseParticles();
    // New particles at the latest speed, in the field's grids.
    void RebirthParticles();

    // Set while CreateParticleWindow waits on the platform, so it learns
    // whether a failed creation already deleted this object.
    CParticleWnd(fw::BOOL bAutoDelete, std::optional<fw::RECT> rcMonitor, unsigned seedOffset);

    bool* m_pDeletionWatch = nullptr;
    std::optional<fw::RECT> m_rcMonitor;
};

}  // namespace tidewell
