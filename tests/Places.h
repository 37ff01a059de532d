#pragma once

// Where each control of the window stands in its client area, and the height
// of its font in pixels, at 96 and at 144 dots per inch, that the tests of both
// windows hold them to. Written by hand from the layout's twips: each edge at
// twips x dpi / 1440, rounded, halves up; a font's height at points x dpi / 72,
// rounded. Toolkit-free.

#include <string_view>

namespace cases {

struct Pixels {
    int left;
    int top;
    int width;
    int height;
};

struct Place {
    std::string_view name;
    Pixels at96;
    int font96;
    Pixels at144;
    int font144;
};

inline constexpr Place kPlaces[] = {
    {"Frame3", {40, 328, 161, 89}, 13, {60, 492, 242, 134}, 20},
    {"lbltime", {48, 384, 145, 25}, 11, {72, 576, 218, 38}, 17},
    {"lbldate", {64, 352, 113, 25}, 18, {96, 528, 170, 38}, 27},
    {"Frame2", {32, 216, 177, 105}, 13, {48, 324, 266, 158}, 20},
    {"Divisions", {120, 240, 73, 25}, 16, {180, 360, 110, 38}, 24},
    {"turns", {48, 240, 57, 17}, 16, {72, 360, 86, 26}, 24},
    {"lbldecimal", {120, 264, 73, 41}, 32, {180, 396, 110, 62}, 48},
    {"lblwhole", {40, 264, 73, 41}, 32, {60, 396, 110, 62}, 48},
    {"Frame1", {24, 16, 193, 161}, 13, {36, 24, 290, 242}, 20},
    {"txtinch", {40, 120, 105, 41}, 32, {60, 180, 158, 62}, 48},
    {"Label4", {32, 80, 177, 33}, 18, {48, 120, 266, 50}, 27},
    {"Label2", {48, 56, 129, 25}, 18, {72, 84, 194, 38}, 27},
    {"Label1", {48, 40, 137, 17}, 13, {72, 60, 206, 26}, 20},
    {"Label3", {160, 128, 49, 25}, 11, {240, 192, 74, 38}, 17},
    {"cmdCalculate", {32, 184, 177, 25}, 16, {48, 276, 266, 38}, 24},
};

inline const Place *PlaceOf(std::string_view name)
{
    for (const Place &place : kPlaces) {
        if (place.name == name)
            return &place;
    }
    return nullptr;
}

} // namespace cases
