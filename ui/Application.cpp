#include "ui/Application.h"

#include "ui/Look.h"
#include "ui/QuietLabelAccessible.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QIcon>
#include <QStyleFactory>

using namespace Qt::Literals::StringLiterals;

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"Brantile"_s);
    setApplicationVersion(u"1.00"_s);
    setStyle(QStyleFactory::create(u"Fusion"_s));
    setPalette(ui::LayoutPalette());
    QFontDatabase::addApplicationFont(u":/fonts/LiberationSans-Regular.ttf"_s);
    QFontDatabase::addApplicationFont(u":/fonts/LiberationSans-Bold.ttf"_s);
    setFont(ui::LayoutFont(ui::kDialogPointSize));

    QIcon icon;
    for (const QString &image : {u":/icons/brantile-32-2.xpm"_s, u":/icons/brantile-32-16.xpm"_s,
                                 u":/icons/brantile-16-16.xpm"_s})
        icon.addFile(image);
    setWindowIcon(icon);
    QAccessible::installFactory(ui::QuietLabelAccessible::create);
}
