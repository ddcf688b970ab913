#pragma once

#include "particles/TickSource.h"

namespace tidewell {

// What a particle field asks of the window that runs it.
class CFieldHost {
public:
    virtual ~CFieldHost() = default;
    // The screen size, read afresh at each use.
    virtual void GetScreenSize(int& width, int& height) = 0;
    // The current client size of the window.
    virtual void GetClientSize(int& width, int& height) = 0;
    // Stop the frame timer and start it again.
    virtual void RestartFrameTimer() = 0;
    // The millisecond clock particles move by.
    virtual CTickSource& GetTickSource() = 0;
};

}  // namespace tidewell
