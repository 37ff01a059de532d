#include "ui/Look.h"

namespace ui {

QFont LayoutFont(qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QPalette LayoutPalette()
{
    QPalette palette(kButtonText, kButtonFace, QColor(0xFF, 0xFF, 0xFF), QColor(0x80, 0x80, 0x80),
                     QColor(0xA0, 0xA0, 0xA0), kWindowText, kWindowBackground);
    palette.setColor(QPalette::Window, kFormBackground);
    palette.setColor(QPalette::WindowText, kButtonText);
    palette.setColor(QPalette::Base, kWindowBackground);
    palette.setColor(QPalette::Text, kWindowText);
    palette.setColor(QPalette::ButtonText, kButtonText);
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, kWindowText);
    palette.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

} // namespace ui
