#include "ui/Look.h"

#include "form/NoticeDesign.h"

#include <utility>

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
    const std::pair<QPalette::ColorRole, QColor> colours[] = {
        {QPalette::Window, kFormBackground},
        {QPalette::WindowText, kButtonText},
        {QPalette::Base, kWindowBackground},
        {QPalette::AlternateBase, kWindowBackground},
        {QPalette::Text, kWindowText},
        {QPalette::Button, kButtonFace},
        {QPalette::ButtonText, kButtonText},
        {QPalette::BrightText, QColor(0xFF, 0xFF, 0xFF)},
        {QPalette::Light, QColor(0xFF, 0xFF, 0xFF)},
        {QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3)},
        {QPalette::Mid, QColor(0xA0, 0xA0, 0xA0)},
        {QPalette::Dark, QColor(0x80, 0x80, 0x80)},
        {QPalette::Shadow, QColor(0x00, 0x00, 0x00)},
        {QPalette::Highlight, QColor(0x00, 0x00, 0x80)},
        {QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF)},
        {QPalette::ToolTipBase, LayoutColour(form::kNoticeBackground)},
        {QPalette::ToolTipText, kWindowText},
        {QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80)},
    };
    QPalette palette;
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

} // namespace ui
