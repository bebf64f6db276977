// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace vendral::web {

// The text fields' names, in the order of Field.
inline constexpr std::string_view kFieldNames[] = {
    "txtFahrtx", "txtFahrty", "txtFahrtv", "txtWinkel",
    "txtStromx", "txtStromy", "txtStromv", "txtStromW",
    "txtSchiffx", "txtSchiffy", "txtInselx", "txtInsely",
    "txtdt", "txtVerz", "txtReisezeitd", "txtReisezeith", "txtReisezeitmin",
    "txtReiseweg", "txtFdW", "txtAbstand",
};

} // namespace vendral::web
