// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/captionfit.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace vendral {
namespace {

constexpr double kStep = 0.25;    // points
constexpr double kSmallest = 4.0; // points; below this nothing is legible

// Where the text lands when the control lays it out in `room`.
QRectF textRect(const QWidget *control, const QString &text, const QRect &room, int flags)
{
    return QFontMetricsF(control->font(), control).boundingRect(QRectF(room), flags, text);
}

bool within(const QRectF &text, const QRect &room)
{
    return text.width() <= room.width() && text.height() <= room.height();
}

bool labelFits(const QLabel *label)
{
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRectF text = textRect(label, label->text(), room, flags);
    if (!within(text, room))
        return false;
    // A label lies under the controls it overlaps: they hide what they cover.
    const QRectF onContainer = text.translated(label->pos());
    const QWidget *container = label->parentWidget();
    for (const QWidget *other : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<const QLabel *>(other) && !other->isHidden()
            && QRectF(other->geometry()).intersects(onContainer))
            return false;
    return true;
}

bool buttonFits(const QAbstractButton *button, QStyle::SubElement element, int flags)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect room = button->style()->subElementRect(element, &option, button);
    return within(textRect(button, button->text(), room, flags | Qt::TextShowMnemonic), room);
}

} // namespace

bool captionFits(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text().isEmpty() || labelFits(label);
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    if (!button || button->text().isEmpty())
        return true;
    if (qobject_cast<const QCheckBox *>(button))
        return buttonFits(button, QStyle::SE_CheckBoxContents, Qt::AlignLeft | Qt::AlignVCenter);
    if (qobject_cast<const QPushButton *>(button))
        return buttonFits(button, QStyle::SE_PushButtonContents, Qt::AlignCenter);
    return true;
}

void shrinkCaptionToFit(QWidget *control)
{
    QFont font = control->font();
    while (!captionFits(control) && font.pointSizeF() - kStep >= kSmallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        control->setFont(font);
    }
}

} // namespace vendral
