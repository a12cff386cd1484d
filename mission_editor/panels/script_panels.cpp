#include "mission_editor/panels/script_panels.h"

#include "mission_editor/form_main.h"

namespace plotwright {

ScriptPanels::ScriptPanels(FormMain& form)
    : animation(form.AnimationEditBox, form.model()), aiAnimation(form.AnimationAIEditBox, form.model()),
      conditions(form.ConditionEditBox, form.model())
{
    form.addPanel(animation);
    form.addPanel(aiAnimation);
    form.addPanel(conditions);
}

} // namespace plotwright
