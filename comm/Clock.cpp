#include "comm/Clock.h"

uint32_t ClockMs()
{
    return SteadyClockMs();
}
