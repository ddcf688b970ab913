#pragma once
#include "fw/Wnd.h"

namespace fw {

// A scroll-bar control. The control keeps its position within its range; a
// new control has the empty range 0..0.
class CScrollBar : public CWnd {
public:
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int* lpMinPos, int* lpMaxPos) const;
    // Returns the previous position.
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos() const;
};

}  // namespace fw
