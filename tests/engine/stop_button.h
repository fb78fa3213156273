#pragma once
// What the stop button does between two searches of one test: the stored query and a
// pending page are dropped, so the next start searches its own text from its own start.
// The test's counts of full pages and block turns begin again too.

#include "test_support.h"

namespace taalspoor::testing {

inline void press_stop(Harness& h) {
    h.state.stored_query.clear();
    h.state.drop_continuation();
    h.sink.pages_full = 0;
    h.events.turns = 0;
}

}  // namespace taalspoor::testing
