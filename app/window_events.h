#pragma once
// The turn the scan gives the window once per block: the lines found so far appear,
// and clicks, typing and keys that came in meanwhile are handled.

#include "app/memo_lines.h"
#include "search/modes/front_end.h"

namespace taalspoor {

class WindowEvents final : public EventPump {
public:
    explicit WindowEvents(MemoLines& memo) : memo_(memo) {}
    void process_pending_events() override;

private:
    MemoLines& memo_;
};

}  // namespace taalspoor
