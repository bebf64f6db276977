// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace vendral {

// The application's style with three changes for the window's own controls:
// - a scroll bar's thumb takes at most a third of its track, and its arrows
//   are no longer than two thirds of its thickness, so that the short
//   time-panel bars (51 pixels at the design size, less on a small screen)
//   keep a track to drag the thumb along, as desktop scroll bars of that size
//   do;
// - a scroll bar that has the keyboard focus shows it with a focus frame;
// - the menu bar is always reachable from the keyboard with Alt, whatever the
//   desktop's style says, since its items carry no mnemonics; while it has the
//   keyboard, its current item shows highlighted (some styles highlight an
//   item only while its menu is open, and these items have none).
class WindowStyle : public QProxyStyle
{
    Q_OBJECT

public:
    WindowStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};

} // namespace vendral
