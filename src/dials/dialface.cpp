// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dials/dialface.h"

namespace vendral {

const DialFace &courseDialFace()
{
    static const DialFace face{Rgb{0, 0, 255},       Rgb{0, 0, 0}, Rgb{0, 0, 255}, Rgb{255, 5, 5}, 72, 0.7, 1,
                               Rgb{255, 255, 255}, 7,            Rgb{0, 0, 0}};
    return face;
}

const DialFace &currentDialFace()
{
    static const DialFace face{Rgb{150, 150, 255}, Rgb{0, 0, 0}, Rgb{200, 200, 255}, Rgb{255, 255, 255}, 16, 0.3, 1,
                               Rgb{0, 0, 255},     9,            Rgb{250, 250, 250}};
    return face;
}

} // namespace vendral
