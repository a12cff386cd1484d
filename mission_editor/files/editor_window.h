#pragma once
// What the open, save and settings dialogs and the file commands need of the editor's main
// window, beyond the mission model and its flags. FormMain implements it (through
// MainWindowLink); the dialogs' tests use a stand-in.
//
// For FormMain: refreshFromModel() is called after a mission was opened and after a new mission
// was made; it must show the model's objects, enemies and troop in the window's controls, fill
// the animation, AI-animation and condition lists, and select the first entry of each (which
// shows their lines in the panels).

namespace platform::ui {
class Form;
}

namespace plotwright {

class EditorWindow
{
public:
    virtual ~EditorWindow() = default;

    // The main window's Enabled: off before a question or a dialog, on again when a dialog closes.
    virtual void setEditorEnabled(bool enabled) = 0;
    // The main window's Save button.
    virtual void setSaveButtonEnabled(bool enabled) = 0;
    // Switches to the map edit mode (before a mission is read).
    virtual void selectMapEditMode() = 0;
    // The model was replaced or reset: show it again (see above).
    virtual void refreshFromModel() = 0;
    // Places a dialog that is being loaded beside the main window.
    virtual void placeDialog(platform::ui::Form& /*dialog*/) {}
};

} // namespace plotwright
