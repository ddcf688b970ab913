#pragma once
// Taking messages off the thread's queue in the platform's order, and moving
// virtual time.
#include <cstdint>
#include <functional>
#include <optional>

#include "fw/Types.h"

namespace fw::headless {

// Dispatches the next message ready now (posted, input, paint, a due
// timer); false when nothing is ready. Never takes
// the quit message.
bool DispatchOne();

// When the next timer or timed input comes due, if any.
std::optional<std::uint64_t> NextEventTime();

// Dispatches and moves time up to target (absolute microseconds), stopping
// at each due time on the way; returns early when stop() holds (checked
// between messages) or the quit message is pending. Returns the number of
// messages dispatched.
std::size_t RunUntil(std::uint64_t target, const std::function<bool()>& stop);

}  // namespace fw::headless
