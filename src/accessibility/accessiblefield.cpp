// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility/accessiblefield.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>

namespace vendral {

AccessibleField::AccessibleField(QLineEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleField::field() const { return static_cast<QLineEdit *>(widget()); }

int AccessibleField::at(int offset) const { return offset == -2 ? cursorPosition() : offset; }

void *AccessibleField::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface && !field()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleField::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field()->isReadOnly();
    state.editable = !field()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString AccessibleField::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value && !field()->text().isEmpty())
        return field()->text();
    return QAccessibleWidget::text(t);
}

void AccessibleField::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (!field()->isReadOnly())
        field()->setText(text);
}

void AccessibleField::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !field()->hasSelectedText())
        return;
    *startOffset = field()->selectionStart();
    *endOffset = field()->selectionEnd();
}

int AccessibleField::selectionCount() const { return field()->hasSelectedText() ? 1 : 0; }

void AccessibleField::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void AccessibleField::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void AccessibleField::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleField::cursorPosition() const { return field()->cursorPosition(); }

void AccessibleField::setCursorPosition(int position) { field()->setCursorPosition(position); }

QString AccessibleField::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return field()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleField::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                          int *endOffset) const
{
    return QAccessibleTextInterface::textBeforeOffset(at(offset), boundaryType, startOffset, endOffset);
}

QString AccessibleField::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                         int *endOffset) const
{
    return QAccessibleTextInterface::textAfterOffset(at(offset), boundaryType, startOffset, endOffset);
}

QString AccessibleField::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                      int *endOffset) const
{
    return QAccessibleTextInterface::textAtOffset(at(offset), boundaryType, startOffset, endOffset);
}

int AccessibleField::characterCount() const { return int(field()->text().size()); }

// Where the field lays out its text, as its alignment puts it while the text
// fits; a text wider than the field starts at its left.
QRect AccessibleField::characterRect(int offset) const
{
    const QString text = field()->text();
    if (offset < 0 || offset >= text.size())
        return QRect();
    const QFontMetrics metrics(field()->font());
    const QRect room = field()->contentsRect().marginsRemoved(field()->textMargins());
    const int width = metrics.horizontalAdvance(text);
    const int left = width < room.width()
                         ? QStyle::alignedRect(field()->layoutDirection(), field()->alignment(),
                                               QSize(width, metrics.height()), room)
                               .left()
                         : room.left();
    const QRect r(left + metrics.horizontalAdvance(text.left(offset)), room.center().y() - metrics.height() / 2,
                  metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return QRect(field()->mapToGlobal(r.topLeft()), r.size());
}

int AccessibleField::offsetAtPoint(const QPoint &point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void AccessibleField::scrollToSubstring(int startIndex, int endIndex)
{
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

// The field's text has one style throughout.
QString AccessibleField::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void AccessibleField::deleteText(int startOffset, int endOffset)
{
    field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleField::insertText(int offset, const QString &text)
{
    field()->setText(field()->text().insert(offset, text));
}

void AccessibleField::replaceText(int startOffset, int endOffset, const QString &text)
{
    field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace vendral
