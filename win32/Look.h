#pragma once

#include "form/Layout.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace win32 {

// The window's colours and fonts. Colours follow the layout, with system
// colour 9 drawn as the standard scheme's white; under a high-contrast theme
// every control takes the theme's system colours instead. Fonts are made
// once per size, weight and dpi and kept until the dpi or the window goes.
class Look {
public:
    Look();
    ~Look();
    Look(const Look &) = delete;
    Look &operator=(const Look &) = delete;

    // Reads the high-contrast setting again and drops the brushes.
    void refresh();
    bool highContrast() const { return m_highContrast; }

    COLORREF background(form::Colour colour) const;
    COLORREF text(const form::Control &control) const;
    HBRUSH brush(form::Colour background);
    // The largest font, up to pointSize, in which text is at most room
    // pixels wide.
    HFONT fittingFont(const std::wstring &text, double pointSize, bool bold, UINT dpi, int room);

    // "MS Sans Serif", or its TrueType successor where the machine has only
    // the bitmap font, at a point size (a multiple of a quarter point). The
    // font is of the Western character set that the window's own texts are
    // written in; one for texts of the user's region, such as the clock's, is
    // of the region's character set instead.
    HFONT font(double pointSize, bool bold, UINT dpi, bool regional = false);
    void dropFonts();
    // The width of text in pixels in a font of this look.
    int textWidth(HFONT font, const std::wstring &text);
    // Deletes the fonts made for other dpis, once no control uses them.
    void keepFontsFor(UINT dpi);

private:
    void dropBrushes();

    bool m_highContrast = false;
    std::map<COLORREF, HBRUSH> m_brushes;
    std::map<std::tuple<int, bool, UINT, bool>, HFONT> m_fonts;
    HDC m_measure = nullptr; // a memory DC of the screen's kind, for measuring
    const wchar_t *m_face = nullptr;
};

} // namespace win32
