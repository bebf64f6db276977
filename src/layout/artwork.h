// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

namespace vendral {

// The island picture of the island marker: 57 x 46 pixels, green land with an
// olive-brown interior, a lighter blue shore and two small islets at its upper
// left, on the chart's own blue.
QImage islandPicture();

// The window icon: a dark blue arrow pointing left with a checkered white and
// silver face, at 32 x 32 and 16 x 16 pixels in 16 colours.
QIcon programIcon();
// The icon at any size; from 48 pixels on, for the icon theme, the same arrow
// drawn smooth in full colour.
QImage iconImage(int size);

} // namespace vendral
