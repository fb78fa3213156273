#pragma once
// The turn that long work gives the front end once per block it reads: the window
// handles the clicks and keys that came in meanwhile; taalspoor-zoek and a worker
// thread have nothing to do there.

namespace taalspoor {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void process_pending_events() = 0;
};

class NoEvents final : public EventPump {
public:
    void process_pending_events() override {}
};

}  // namespace taalspoor
