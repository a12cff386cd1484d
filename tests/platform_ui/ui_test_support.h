#pragma once
// Shared set-up of the control tests: one QApplication for the whole run, and scripted message
// boxes whose surprises fail the test that meets them.

#include "platform/ui/message_boxes.h"

#include <gtest/gtest.h>

namespace ui_test {

// Scripted message boxes that report an unexpected box as a test failure carrying its text.
class CheckedMessageBoxes
{
public:
    CheckedMessageBoxes()
    {
        boxes.setFailureHook([](const std::string& failure) { ADD_FAILURE() << failure; });
    }
    platform::ui::ScriptedMessageBoxes boxes;
};

} // namespace ui_test
