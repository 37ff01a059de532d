#include "win32/Look.h"

#include "form/FittingSize.h"

#include <cmath>

namespace win32 {

namespace {

COLORREF systemColour(int index)
{
    return GetSysColor(index);
}

bool readHighContrast()
{
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE
        && (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HFONT createFont(const wchar_t *face, int height, bool bold, BYTE charset = ANSI_CHARSET)
{
    LOGFONTW font = {};
    font.lfHeight = -height;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = charset;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// Whether the font takes any size and draws the Western set it asks for. A
// region whose font substitutes send the bitmap face to another character set
// ("MS Sans Serif,0" to "MS Sans Serif,178") gets a face of other widths.
bool isScalableWestern(HDC dc, HFONT font)
{
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    const int charset = GetTextCharset(dc);
    SelectObject(dc, old);
    return (metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) != 0
        && charset == ANSI_CHARSET;
}

} // namespace

Look::Look() : m_highContrast(readHighContrast()), m_measure(CreateCompatibleDC(nullptr)) {}

Look::~Look()
{
    DeleteDC(m_measure);
    dropBrushes();
    dropFonts();
}

int Look::textWidth(HFONT font, const std::wstring &text)
{
    const HGDIOBJ old = SelectObject(m_measure, font);
    SIZE size = {};
    GetTextExtentPoint32W(m_measure, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(m_measure, old);
    return size.cx;
}

void Look::refresh()
{
    dropBrushes();
    m_highContrast = readHighContrast();
}

void Look::dropBrushes()
{
    for (const auto &[colour, brush] : m_brushes)
        DeleteObject(brush);
    m_brushes.clear();
}

COLORREF Look::background(form::Colour colour) const
{
    if (m_highContrast) {
        if (colour == form::kTitleBarText)
            return systemColour(COLOR_WINDOW);
        return form::IsSystemColour(colour) ? systemColour(form::SystemColourIndex(colour))
                                            : systemColour(COLOR_BTNFACE);
    }
    if (colour == form::kTitleBarText) // black on recent Windows: drawn as the scheme's white
        return form::StandardSchemeColour(form::SystemColourIndex(colour));
    return form::IsSystemColour(colour) ? systemColour(form::SystemColourIndex(colour)) : colour;
}

COLORREF Look::text(const form::Control &control) const
{
    if (m_highContrast && control.background == form::kTitleBarText)
        return systemColour(COLOR_WINDOWTEXT);
    return systemColour(form::SystemColourIndex(form::TextColour(control.kind)));
}

HBRUSH Look::brush(form::Colour background)
{
    const COLORREF colour = this->background(background);
    auto [place, added] = m_brushes.try_emplace(colour, nullptr);
    if (added)
        place->second = CreateSolidBrush(colour);
    return place->second;
}

HFONT Look::fittingFont(const std::wstring &text, double pointSize, bool bold, UINT dpi, int room)
{
    const auto width = [&](double size) {
        return static_cast<double>(textWidth(font(size, bold, dpi), text));
    };
    return font(form::FittingPointSize(width, room, pointSize), bold, dpi);
}

HFONT Look::font(double pointSize, bool bold, UINT dpi, bool regional)
{
    const int quarters = static_cast<int>(std::lround(pointSize * 4));
    auto [place, added] = m_fonts.try_emplace({quarters, bold, dpi, regional}, nullptr);
    if (!added)
        return place->second;
    const int height = static_cast<int>(std::lround(pointSize * dpi / 72.0));
    if (m_face == nullptr) {
        // Decided once: where the layout's face is the bitmap font, which
        // cannot take the sizes of the layout and of fitting, or the region
        // sends it to another character set, its TrueType successor stands in.
        m_face = reinterpret_cast<const wchar_t *>(form::kFontFace.data());
        const HFONT layoutFace = createFont(m_face, height, bold);
        if (!isScalableWestern(m_measure, layoutFace))
            m_face = L"Microsoft Sans Serif";
        DeleteObject(layoutFace);
    }
    place->second = createFont(m_face, height, bold, regional ? DEFAULT_CHARSET : ANSI_CHARSET);
    return place->second;
}

void Look::dropFonts()
{
    for (const auto &[key, font] : m_fonts)
        DeleteObject(font);
    m_fonts.clear();
}

void Look::keepFontsFor(UINT dpi)
{
    std::erase_if(m_fonts, [dpi](const auto &entry) {
        if (std::get<2>(entry.first) == dpi)
            return false;
        DeleteObject(entry.second);
        return true;
    });
}

} // namespace win32
