// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vendral {

// Whether the caption of a label, button or check box shows whole, in the
// font the control actually uses: it lies within the room the control (its
// style) gives the text, and for a label no control lies over it. Other
// widgets have no caption and always fit.
bool captionFits(const QWidget *control);

// Shrinks the point size of the control's font in small steps until its
// caption fits; a caption that fits keeps its font untouched.
void shrinkCaptionToFit(QWidget *control);

} // namespace vendral
