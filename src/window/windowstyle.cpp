// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/windowstyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace vendral {
namespace {

// The style the rest of the application uses, as a base of our own.
QStyle *applicationStyle()
{
    QStyle *style = QStyleFactory::create(QApplication::style()->name());
    return style ? style : QStyleFactory::create(QStringLiteral("Fusion"));
}

} // namespace

WindowStyle::WindowStyle()
    : QProxyStyle(applicationStyle())
{
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (!bar || (metric != PM_ScrollBarSliderMin && metric != PM_ScrollBarExtent))
        return base;
    if (metric == PM_ScrollBarExtent) {
        const int thickness = bar->orientation == Qt::Horizontal ? bar->rect.height() : bar->rect.width();
        return thickness > 0 ? std::clamp(thickness * 2 / 3, 1, base) : base;
    }
    const int length = bar->orientation == Qt::Horizontal ? bar->rect.width() : bar->rect.height();
    const int track = length - 2 * pixelMetric(PM_ScrollBarExtent, option, widget);
    return std::clamp(track / 3, 1, std::max(base, 1));
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget && widget->hasFocus()) {
        QStyleOptionMenuItem current = *item;
        current.state |= State_Sunken;
        QProxyStyle::drawControl(element, &current, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                     const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control != CC_ScrollBar || !(option->state & State_HasFocus))
        return;
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect = option->rect.adjusted(1, 1, -1, -1);
    proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
}

} // namespace vendral
