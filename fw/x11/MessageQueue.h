#pragma once
// The message queue both Linux backends share (fw/linux/MessageQueue.h).
#include "fw/linux/MessageQueue.h"

namespace fw::x11 {

using shared::Post;
using shared::PostedMessage;
using shared::QuitRequested;
using shared::RequestQuit;
using shared::TakePosted;

}  // namespace fw::x11
