#include "window/accessibility.h"

#include "chart/shipmarker.h"
#include "common/fields.h"
#include "common/form.h"
#include "common/numbers.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "dials/direction.h"
#include "window/mainwindow.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLineEdit>

#include <cmath>

namespace vendral {
namespace {

// Picture boxes have no caption: without a name of their own they are named
// by their tooltip.
QString nameOrTooltip(const QAccessibleWidget &accessible)
{
    const QString name = accessible.QAccessibleWidget::text(QAccessible::Name);
    return name.isEmpty() ? static_cast<QWidget *>(accessible.object())->toolTip() : name;
}

// A position in sm to a tenth, as a screen reader reads it out.
QString sm(double value) { return QString::fromStdString(toText(std::round(held(value) * 10) / 10)).trimmed(); }

class AccessibleDial : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleDial(Dial *dial)
        : QAccessibleWidget(dial, QAccessible::Dial)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return nameOrTooltip(*this);
        if (t == QAccessible::Value)
            return dial()->hasDirection() ? QString::number(degrees()) + QChar(0x00B0) : QString();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return dial()->hasDirection() ? QVariant(degrees()) : QVariant(); }
    void setCurrentValue(const QVariant &value) override { dial()->turnTo(value.toInt()); }
    QVariant maximumValue() const override { return 359; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    Dial *dial() const { return static_cast<Dial *>(widget()); }
    int degrees() const { return nearestDegree(dial()->direction().x(), dial()->direction().y()); }
};

class AccessibleMarker : public QAccessibleWidget
{
public:
    explicit AccessibleMarker(Marker *marker)
        : QAccessibleWidget(marker, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return nameOrTooltip(*this);
        if (t == QAccessible::Value) {
            const auto *marker = static_cast<const Marker *>(widget());
            return QStringLiteral("x %1, y %2 sm").arg(sm(marker->left()), sm(marker->top()));
        }
        return QAccessibleWidget::text(t);
    }
};

// The sea chart tells where ship and island are, as their position fields
// hold them.
class AccessibleChart : public QAccessibleWidget
{
public:
    explicit AccessibleChart(PictureBox *chart)
        : QAccessibleWidget(chart, QAccessible::Chart)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return nameOrTooltip(*this);
        auto *window = qobject_cast<MainWindow *>(widget()->window());
        if (t != QAccessible::Value || !window)
            return QAccessibleWidget::text(t);
        const Form &f = window->form();
        return QStringLiteral("Schiff bei x %1, y %2 sm; Insel bei x %3, y %4 sm")
            .arg(sm(number(f.txtSchiffx)), sm(number(f.txtSchiffy)), sm(number(f.txtInselx)), sm(number(f.txtInsely)));
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *dial = qobject_cast<Dial *>(object))
        return new AccessibleDial(dial);
    if (auto *marker = qobject_cast<Marker *>(object))
        return new AccessibleMarker(marker);
    if (auto *chart = qobject_cast<PictureBox *>(object))
        return new AccessibleChart(chart);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vendral
