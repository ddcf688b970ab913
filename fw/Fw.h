#pragma once
// The whole framework interface.
#include "fw/App.h"
#include "fw/Controls.h"
#include "fw/Dc.h"
#include "fw/Dialog.h"
#include "fw/Messages.h"
#include "fw/Platform.h"
#include "fw/Types.h"
#include "fw/Wnd.h"
