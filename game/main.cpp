#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Tolvar");
    window.resize(640, 480);
    window.show();
    return app.exec();
}
