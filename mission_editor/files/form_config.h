#pragma once
// The mission settings dialog: the mission's name, author, map size and brief. Opened from the
// Configurations button it changes the current mission; opened for a new mission (NewPending)
// its Alter also clears everything but these settings.

#include "mission_editor/files/editor_window.h"
#include "mission_editor/files/mission_model.h"

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/text_box.h"

namespace plotwright {

class FormConfig : public platform::ui::Form
{
public:
    FormConfig(MissionModel& model, EditorWindow& editor);

    // Shows the dialog filled from the mission (Form_Activate). Coming back to a dialog that is
    // up already, from another window, keeps what the author has typed.
    void bringUp();

    void Form_Activate();
    void Form_Unload(bool& cancel);
    void WScr_Change();
    void WScr_Scroll();
    void HScr_Change();
    void HScr_Scroll();
    void WidthText_Change();
    void HeightText_Change();
    void WidthText_LostFocus();
    void HeightText_LostFocus();
    void Brief_Change();
    void ChangeButton_Click();
    void CancelButton_Click();

    platform::ui::Label TitleLabel{*this, "Mission name"};
    platform::ui::TextBox TitleText{*this};
    platform::ui::Label AutorLabel{*this, "Mission autor"};
    platform::ui::TextBox AutorText{*this};
    platform::ui::Label SizeLabel{*this, "Width X Height"};
    platform::ui::TextBox WidthText{*this};
    platform::ui::HScrollBar WScr{*this};
    platform::ui::TextBox HeightText{*this};
    platform::ui::HScrollBar HScr{*this};
    platform::ui::Label BriefLabel{*this, "Brief"};
    platform::ui::TextBox Brief{*this, platform::ui::TextBox::Lines::Multi};
    platform::ui::Label Rest{*this};
    platform::ui::CommandButton ChangeButton{*this, "Alter"};
    platform::ui::CommandButton CancelButton{*this, "Back"};

private:
    // A size is typed freely: a text in 25 .. 50 moves its bar as it is typed, and the box is
    // brought within 25 .. 50 when the size is used (the box is left, Alter).
    void followSize(const platform::ui::TextBox& box, platform::ui::ScrollBar& bar);
    static void clampSize(platform::ui::TextBox& box, platform::ui::ScrollBar& bar);

    MissionModel& m_model;
    EditorWindow& m_editor;
    bool m_followingText = false;
};

} // namespace plotwright
