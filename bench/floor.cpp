// The least a Qt Widgets program can do with a window like Brantile's: one
// fixed 245 x 433 window with a button and a label. The start-up benchmark
// measures the program against it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(245, 433);
    QPushButton button(QStringLiteral("Convert"), &window);
    button.setGeometry(32, 184, 177, 25);
    QLabel label(QStringLiteral("Turns"), &window);
    label.setGeometry(16, 24, 57, 17);
    window.show();
    return app.exec();
}
