#include "ui/Application.h"

#include "ui/EntryAccessible.h"
#include "ui/Look.h"
#include "ui/NotificationAccessible.h"
#include "ui/QuietLabelAccessible.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QResource>
#include <QStyleFactory>

// The window icon's images, compiled in: reading them needs no image plugin.
#include "packaging/icons/brantile-16-16.xpm"
#include "packaging/icons/brantile-32-16.xpm"
#include "packaging/icons/brantile-32-2.xpm"

using namespace Qt::Literals::StringLiterals;

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"Brantile"_s);
    setApplicationVersion(u"1.00"_s);
    // The desktop entry's name: Wayland's app id, by which the desktop finds
    // the window's launcher and icon.
    setDesktopFileName(u"io.github.brantile.brantile"_s);
    setStyle(QStyleFactory::create(u"Fusion"_s));
    setPalette(ui::LayoutPalette());
    // The fonts are stored uncompressed in the program: Qt and FreeType read
    // them where they lie, without a copy.
    for (const QString &path : {u":/fonts/LiberationSans-Regular.ttf"_s,
                                u":/fonts/LiberationSans-Bold.ttf"_s}) {
        const QResource font(path);
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char *>(font.data()), static_cast<qsizetype>(font.size())));
    }
    setFont(ui::LayoutFont(form::kDialogPointSize));

    QIcon icon;
    for (const char *const *image : {brantile_32_2, brantile_32_16, brantile_16_16})
        icon.addPixmap(QPixmap(image));
    setWindowIcon(icon);
    QAccessible::installFactory(ui::QuietLabelAccessible::create);
    QAccessible::installFactory(ui::EntryAccessible::create);
    QAccessible::installFactory(ui::NotificationAccessible::create);
}
