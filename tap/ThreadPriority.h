#pragma once
// The decoding's thread gives way to the relays': on a busy machine the pass-through
// gets the processor first and the decoding lags instead (it is bounded, and says what
// it skipped).

namespace tap {

// Lowers the calling thread's share of the processor; nothing where that cannot be done.
void GiveWayToPassThrough();

} // namespace tap
