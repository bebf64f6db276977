// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/voyage.h"

#include <QLineEdit>
#include <QString>

#include <string>
#include <string_view>

namespace vendral {

// A field's text as UTF-8; short ASCII, as nearly every read of a run is,
// without an allocation.
inline void readText(const QString &text, FieldText &out)
{
    if (text.size() <= 64) {
        char *ascii = out.resize(static_cast<std::size_t>(text.size()));
        qsizetype n = 0;
        for (const QChar c : text) {
            if (c.unicode() >= 0x80)
                break;
            ascii[n++] = static_cast<char>(c.unicode());
        }
        if (n == text.size())
            return;
    }
    const QByteArray utf8 = text.toUtf8();
    out.assign(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// Reads a text field the lenient way; text that is not a number reads as 0.
inline double number(const QLineEdit *field)
{
    FieldText text;
    readText(field->text(), text);
    return toNumber(text.view());
}

// Puts the start of a field's text in view, and with it the cursor; a field
// whose text was all selected stays all selected.
inline void showStart(QLineEdit *field)
{
    const int length = int(field->text().size());
    if (field->hasSelectedText() && field->selectedText().size() == length)
        field->setSelection(length, -length);
    else if (field->cursorPosition() != 0)
        field->setCursorPosition(0);
}

// Writes a text field; a change notification follows only when the text
// differs. Writing the text a field already holds is left out altogether (a
// continuous run rewrites most read-outs unchanged many thousand times a
// second). A field shows the start of a text too long for it, unless the user
// is typing in it.
inline void write(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    field->setText(text);
    if (field->isReadOnly() || !field->hasFocus())
        showStart(field);
}

inline void write(QLineEdit *field, std::string_view text)
{
    write(field, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace vendral
