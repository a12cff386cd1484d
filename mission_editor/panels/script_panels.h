#pragma once
// The three scripting panels of the main window, built in its panel frames and registered with
// it: the window calls them at its load and when the model is replaced. Create them after the
// window and before its load; they live as long as the window.

#include "mission_editor/panels/ai_animation_panel.h"
#include "mission_editor/panels/animation_panel.h"
#include "mission_editor/panels/condition_panel.h"

namespace plotwright {

class FormMain;

struct ScriptPanels
{
    explicit ScriptPanels(FormMain& form);

    AnimationPanel animation;
    AiAnimationPanel aiAnimation;
    ConditionPanel conditions;
};

} // namespace plotwright
