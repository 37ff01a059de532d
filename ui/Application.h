#pragma once

#include <QApplication>

// The program's application object: its name, version and desktop entry,
// and a look of its own (style, palette, fonts, icon) that no desktop theme
// can change.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);
};
