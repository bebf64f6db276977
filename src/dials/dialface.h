// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drawing/dialface.h"

namespace vendral {

const DialFace &courseDialFace();
const DialFace &currentDialFace();

} // namespace vendral
