#include "mission_editor/files/mission_model.h"
#include "mission_editor/form_main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    plotwright::MissionModel model;
    plotwright::FormMain form(model, QCoreApplication::applicationDirPath().toStdString());
    return form.run();
}
