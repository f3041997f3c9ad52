#pragma once

#include "game/logic/boardcursor.h"

// A scan clock that ticks only when told to.
class HandClock : public boardlogic::ScanClock
{
public:
    void start(int) override { running = true; }
    void stop() override { running = false; }
    void tick()
    {
        if (running && onTick)
            onTick();
    }
    bool running = false;
};
