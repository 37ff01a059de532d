#include "ui/Application.h"
#include "ui/Form1.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Form1 window;
    window.show();
    return app.exec();
}
