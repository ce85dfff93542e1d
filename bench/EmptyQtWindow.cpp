// The floor of a Qt start: an application object and one fixed-size window
// titled as Orvane's, shown. What Orvane adds to it is its own.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Orvane");
    window.setFixedSize(894, 584);
    window.show();
    return QApplication::exec();
}
