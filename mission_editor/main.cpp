#include "mission_editor/files/file_dialogs.h"
#include "mission_editor/files/mission_model.h"
#include "mission_editor/form_main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    plotwright::MissionModel model;
    plotwright::FormMain form(model, QCoreApplication::applicationDirPath().toStdString());
    // The open, save and settings dialogs and the file commands, on the window's buttons.
    plotwright::FileDialogs dialogs(form);
    return form.run();
}
