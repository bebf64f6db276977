#include "window/captionfit.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace vendral {
namespace {

constexpr double kStep = 0.25;     // points
constexpr double kSmallest = 4.0;  // points; below this nothing is legible

// The size the text takes, laid out in `space` as the control lays it out.
bool fitsIn(const QWidget *control, const QString &text, const QRect &space, int flags)
{
    if (text.isEmpty())
        return true;
    const QFontMetricsF metrics(control->font(), control);
    const QRectF needed = metrics.boundingRect(QRectF(space), flags, text);
    return needed.width() <= space.width() && needed.height() <= space.height();
}

QRect buttonTextSpace(const QAbstractButton *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    return button->style()->subElementRect(element, &option, button);
}

} // namespace

bool captionFits(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        return fitsIn(label, label->text(), label->contentsRect(), int(label->alignment()) | wrap);
    }
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return fitsIn(check, check->text(), buttonTextSpace(check, QStyle::SE_CheckBoxContents),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic);
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return fitsIn(button, button->text(), buttonTextSpace(button, QStyle::SE_PushButtonContents),
                      Qt::AlignCenter | Qt::TextShowMnemonic);
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
