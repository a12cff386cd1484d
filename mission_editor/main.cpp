#include "mission_editor/files/file_dialogs.h"
#include "mission_editor/files/mission_model.h"
#include "mission_editor/form_main.h"
#include "mission_editor/panels/script_panels.h"

#include "platform/text/file_names.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    plotwright::MissionModel model;
    plotwright::FormMain form(model, platform::text::programFolder());
    // The scripting panels in their frames; the dialogs and file commands on the window's buttons.
    plotwright::ScriptPanels panels(form);
    plotwright::FileDialogs dialogs(form);
    return form.run();
}
