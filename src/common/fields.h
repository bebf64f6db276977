#pragma once

#include "common/numbers.h"

#include <QLineEdit>
#include <QString>

#include <string>

namespace vendral {

// Reads a text field the lenient way; text that is not a number reads as 0.
inline double number(const QLineEdit *field) { return toNumber(field->text().toStdString()); }

// Writes a text field; a change notification follows only when the text
// differs. Writing the text a field already holds is left out altogether (a
// continuous run rewrites most read-outs unchanged many thousand times a
// second). A field the user is not typing in shows the start of a text too
// long for it.
inline void write(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    field->setText(text);
    if (field->cursorPosition() != 0 && !field->hasFocus())
        field->setCursorPosition(0);
}

inline void write(QLineEdit *field, const std::string &text) { write(field, QString::fromStdString(text)); }

} // namespace vendral
