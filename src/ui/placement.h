// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window geometry rules of the program, free of any widget so they can be
// checked on their own: the conversion between screen pixels and twips (the
// window units in which the profile keeps the tree and column widths), the
// main window's placement from the profile, the layout of tree, separator
// and grid, and the rule that keeps a dialog on the screen.

#include <cstdint>

// Twips per screen pixel at a logical resolution (15 at 96 dpi).
double TwipsPerPixel(double logicalDpi);
std::int32_t PixelsToTwips(std::int32_t pixels, double twipsPerPixel);
std::int32_t TwipsToPixels(std::int32_t twips, double twipsPerPixel);

struct PlaceRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PlaceRect&) const = default;
};

// Window states as the profile keeps them.
enum WindowStateCode : std::int32_t { kStateNormal = 0, kStateMinimised = 1, kStateMaximised = 2 };

// The "STATUS" window keys as read from the profile (-1 where missing).
struct StoredPlacement {
    std::int32_t state = -1;
    std::int32_t left = -1;
    std::int32_t top = -1;
    std::int32_t width = -1;
    std::int32_t height = -1;
};

// Where and how the main window opens.
struct WindowPlacement {
    std::int32_t state = kStateNormal;  // kStateNormal or kStateMaximised
    PlaceRect normal;                   // the restored rectangle, in pixels
    bool operator==(const WindowPlacement&) const = default;
};

// The main window's placement from the stored keys on a screen of the given
// size in pixels. Without a stored state the window opens near the top left
// corner at 840 x 500 pixels (smaller on a small screen); a stored
// minimised state opens normal; the rectangle is always moved so that the
// window can be reached on the screen.
WindowPlacement PlacementFromProfile(const StoredPlacement& stored, std::int32_t screenWidth,
                                     std::int32_t screenHeight);

// Layout of the main window's client area, all in twips.
struct MainLayout {
    PlaceRect tree;
    PlaceRect separator;
    PlaceRect grid;  // the shield takes the same rectangle
};
// Gap between the tree and the grid, taken by the separator bar.
inline constexpr std::int32_t kSeparatorGap = 84;
// Space kept below the tree and the grid, and the grid's least width when
// the tree is dragged wide.
inline constexpr std::int32_t kLayoutMargin = 120;
// The tree starts this far below the toolbar.
inline constexpr std::int32_t kTreeTopGap = 24;

// innerWidth/innerHeight: the window's client area; top: where the area
// below the toolbar begins; treeWidth: the tree width the user chose.
MainLayout ComputeMainLayout(std::int32_t innerWidth, std::int32_t innerHeight, std::int32_t top,
                             std::int32_t treeWidth);

// The dialog rectangle moved so that it lies on the screen: right and
// bottom edges first, then left and top (a dialog larger than the screen
// keeps its top left corner visible).
PlaceRect KeepOnScreen(const PlaceRect& dialog, std::int32_t screenWidth,
                       std::int32_t screenHeight);

// Top left corner that centres a dialog of the given size over an owner.
PlaceRect CentreOver(const PlaceRect& owner, std::int32_t width, std::int32_t height);

// Where a window that accompanies the owner goes (a list that points into
// the owner's grid): beside it on the right where the screen has room, else
// on its left, else below it; always kept on the screen. All rectangles are
// relative to the screen's free area.
PlaceRect BesideOwner(const PlaceRect& owner, std::int32_t width, std::int32_t height,
                      std::int32_t screenWidth, std::int32_t screenHeight);
