// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/placement.h"

#include <algorithm>
#include <cmath>

#include "app/common.h"

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr std::int32_t kDefaultWidth = 840;
constexpr std::int32_t kDefaultHeight = 500;

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}
}  // namespace

double TwipsPerPixel(double logicalDpi) {
    return logicalDpi > 0.0 ? kTwipsPerInch / logicalDpi : 15.0;
}

std::int32_t PixelsToTwips(std::int32_t pixels, double twipsPerPixel) {
    return Clamp32(std::llround(static_cast<double>(pixels) * twipsPerPixel));
}

std::int32_t TwipsToPixels(std::int32_t twips, double twipsPerPixel) {
    if (twipsPerPixel <= 0.0) twipsPerPixel = 15.0;
    return Clamp32(std::llround(static_cast<double>(twips) / twipsPerPixel));
}

WindowPlacement PlacementFromProfile(const StoredPlacement& stored, std::int32_t screenWidth,
                                     std::int32_t screenHeight) {
    WindowPlacement p;
    const std::int32_t defaultWidth =
        LimitLong(kDefaultWidth, 0, static_cast<std::int32_t>(screenWidth * 0.96));
    const std::int32_t defaultHeight =
        LimitLong(kDefaultHeight, 0, static_cast<std::int32_t>(screenHeight * 0.9));
    PlaceRect r;
    if (stored.state < 0) {
        r.left = static_cast<std::int32_t>(screenWidth * 0.02);
        r.top = static_cast<std::int32_t>(screenHeight * 0.02);
        r.width = defaultWidth;
        r.height = defaultHeight;
    } else {
        // A window stored minimised opens normal: starting as an icon would
        // hide the program from a user who did not ask for it.
        if (stored.state == kStateMaximised) p.state = kStateMaximised;
        r.left = stored.left;
        r.top = stored.top;
        // A missing or nonsensical size (a hand-edited profile) would give a
        // window that cannot be seen or grabbed: take the default size.
        r.width = stored.width >= 1 ? stored.width : defaultWidth;
        r.height = stored.height >= 1 ? stored.height : defaultHeight;
    }
    // Keep the window reachable. 64-bit sums: stored values are untrusted.
    if (static_cast<std::int64_t>(r.left) + r.width < 0) r.left = 0;
    if (static_cast<std::int64_t>(r.top) + r.height < 0) r.top = 0;
    if (r.left >= screenWidth) r.left = Clamp32(static_cast<std::int64_t>(screenWidth) - r.width);
    if (r.top >= screenHeight) r.top = Clamp32(static_cast<std::int64_t>(screenHeight) - r.height);
    p.normal = r;
    return p;
}

MainLayout ComputeMainLayout(std::int32_t innerWidth, std::int32_t innerHeight, std::int32_t top,
                             std::int32_t treeWidth) {
    MainLayout l;
    const std::int64_t w = innerWidth;
    const std::int64_t h = static_cast<std::int64_t>(innerHeight) - top;

    l.tree.left = 0;
    l.tree.top = top + kTreeTopGap;
    std::int64_t tw = treeWidth;
    if (w < tw + kSeparatorGap + kLayoutMargin) tw = w - kSeparatorGap - kLayoutMargin;
    l.tree.width = Clamp32(std::max<std::int64_t>(tw, 1));
    l.tree.height = Clamp32(std::max<std::int64_t>(h - kLayoutMargin, 1));

    l.grid.left = l.tree.left + l.tree.width + kSeparatorGap;
    l.grid.top = l.tree.top;
    l.grid.width = Clamp32(std::max<std::int64_t>(w - l.grid.left, 1));
    l.grid.height = l.tree.height;

    l.separator.left = l.tree.left + l.tree.width;
    l.separator.top = l.tree.top;
    l.separator.width = l.grid.left - l.separator.left + 1;
    l.separator.height = l.tree.height;
    return l;
}

PlaceRect KeepOnScreen(const PlaceRect& dialog, std::int32_t screenWidth,
                       std::int32_t screenHeight) {
    PlaceRect r = dialog;
    if (static_cast<std::int64_t>(r.left) + r.width > screenWidth)
        r.left = Clamp32(static_cast<std::int64_t>(screenWidth) - r.width);
    if (r.left < 0) r.left = 0;
    if (static_cast<std::int64_t>(r.top) + r.height > screenHeight)
        r.top = Clamp32(static_cast<std::int64_t>(screenHeight) - r.height);
    if (r.top < 0) r.top = 0;
    return r;
}

PlaceRect CentreOver(const PlaceRect& owner, std::int32_t width, std::int32_t height) {
    PlaceRect r;
    r.left = Clamp32(owner.left + (static_cast<std::int64_t>(owner.width) - width) / 2);
    r.top = Clamp32(owner.top + (static_cast<std::int64_t>(owner.height) - height) / 2);
    r.width = width;
    r.height = height;
    return r;
}

PlaceRect BesideOwner(const PlaceRect& owner, std::int32_t width, std::int32_t height,
                      std::int32_t screenWidth, std::int32_t screenHeight) {
    const std::int64_t right = static_cast<std::int64_t>(owner.left) + owner.width;
    PlaceRect r{0, owner.top, width, height};
    if (right + width <= screenWidth)
        r.left = Clamp32(right);
    else if (static_cast<std::int64_t>(owner.left) - width >= 0)
        r.left = Clamp32(static_cast<std::int64_t>(owner.left) - width);
    else
        r = {owner.left, Clamp32(static_cast<std::int64_t>(owner.top) + owner.height), width,
             height};
    return KeepOnScreen(r, screenWidth, screenHeight);
}
