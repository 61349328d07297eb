// A command as the user's action makes it: its code and value and what the
// action carries besides, so that a family's builder lays it from what it is
// given. The light's command (CommandCode::kLight) names its light by
// outlet, its value is the light's as its bar shows it, and it carries the
// spin click's step; a text field's command carries the field's text.
#pragma once

#include <cstdint>
#include <string>

#include "pages/CommandCodes.h"

struct Command {
    // A CommandCode (pages/CommandCodes.h, beside the setting pages that
    // send most commands), which names what each code asks of the unit.
    int16_t code = 0;
    // The light's command: the light's value.
    int32_t value = 0;
    // The light's command: the light, 0 the main light, 1 to 3 the aux
    // outlets.
    int outlet = 0;
    // The light's command: the step of the spin click, 0 for a switched
    // outlet.
    int step = 0;
    // The owner or serial field's text, one byte a character.
    std::string text = {};
};
