#include "campaign_editor/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    cadrell::Form1 form(QCoreApplication::applicationDirPath().toStdString());
    form.show();
    return app.exec();
}
