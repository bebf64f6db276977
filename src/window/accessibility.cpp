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
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <utility>

#include <cmath>

namespace vendral {
namespace {

// The program's own widgets: picture boxes have no caption, so without a
// name of their own they are named by their tooltip (not by the title of the
// panel they lie in, as Qt would); each reports a value of its own.
class AccessibleBox : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return value();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return widget()->accessibleName().isEmpty() ? widget()->toolTip() : widget()->accessibleName();
    }

protected:
    virtual QString value() const = 0;
};

// A position in sm to a tenth, as a screen reader reads it out.
QString sm(double value) { return QString::fromStdString(toText(std::round(held(value) * 10) / 10)).trimmed(); }

class AccessibleDial : public AccessibleBox, public QAccessibleValueInterface
{
public:
    explicit AccessibleDial(Dial *dial)
        : AccessibleBox(dial, QAccessible::Dial)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return AccessibleBox::interface_cast(type);
    }

    QVariant currentValue() const override { return dial()->hasDirection() ? QVariant(degrees()) : QVariant(); }
    void setCurrentValue(const QVariant &value) override { dial()->turnTo(value.toInt()); }
    QVariant maximumValue() const override { return 359; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

protected:
    QString value() const override
    {
        return dial()->hasDirection() ? QString::number(degrees()) + QChar(0x00B0) : QString();
    }

private:
    Dial *dial() const { return static_cast<Dial *>(widget()); }
    int degrees() const { return nearestDegree(dial()->direction().x(), dial()->direction().y()); }
};

class AccessibleMarker : public AccessibleBox
{
public:
    explicit AccessibleMarker(Marker *marker)
        : AccessibleBox(marker, QAccessible::Graphic)
    {
    }

protected:
    QString value() const override
    {
        const auto *marker = static_cast<const Marker *>(widget());
        return QStringLiteral("x %1, y %2 sm").arg(sm(marker->left()), sm(marker->top()));
    }
};

// The sea chart tells where ship and island are, as their position fields
// hold them.
class AccessibleChart : public AccessibleBox
{
public:
    explicit AccessibleChart(PictureBox *chart)
        : AccessibleBox(chart, QAccessible::Chart)
    {
    }

protected:
    QString value() const override
    {
        auto *window = qobject_cast<MainWindow *>(widget()->window());
        if (!window)
            return QString();
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

void nameByLabel(QWidget *control, const char *label)
{
    if (auto *caption = control->window()->findChild<QLabel *>(QLatin1String(label)))
        caption->setBuddy(control);
}

} // namespace

void nameControls(Form &f)
{
    nameByLabel(f.txtSchiffx, "Label7_0");
    nameByLabel(f.txtSchiffy, "Label7_1");
    nameByLabel(f.txtInselx, "Label7_2");
    nameByLabel(f.txtInsely, "Label7_3");
    nameByLabel(f.chkPeil, "Label7_4");
    nameByLabel(f.txtdt, "Label8_0");
    nameByLabel(f.txtVerz, "Label1");
    const std::pair<QWidget *, const char *> named[] = {
        {f.txtFahrtx, "Kurs Ost"},
        {f.txtFahrty, "Kurs Nord"},
        {f.txtWinkel, "Kurs in Grad"},
        {f.txtFahrtv, "Fahrt durchs Wasser in Knoten"},
        {f.hscfahrtv, "Fahrt durchs Wasser"},
        {f.txtStromx, "Strömung Ost"},
        {f.txtStromy, "Strömung Nord"},
        {f.txtStromW, "Strömungsrichtung in Grad"},
        {f.txtStromv, "Strömungsgeschwindigkeit in Knoten"},
        {f.hscstromv, "Strömungsgeschwindigkeit"},
        {f.hscdt, "dt in Minuten"},
        {f.txtReisezeitd, "Reisezeit Tage"},
        {f.txtReisezeith, "Reisezeit Stunden"},
        {f.txtReisezeitmin, "Reisezeit Minuten"},
        {f.hscverz, "Verzögerung"},
        {f.txtAbstand, "Entfernung zur Insel"},
        {f.txtFdW, "Fahrt d. Wasser"},
        {f.txtReiseweg, "Fahrt ü. Grund"},
        {f.image1, "Schiff"},
    };
    for (const auto &[control, name] : named)
        control->setAccessibleName(QString::fromUtf8(name));
    // The two "x" buttons have no tooltip to tell what they clear.
    f.Command2->setAccessibleDescription(QStringLiteral("Reisezeit und Strecken löschen"));
    f.Command4->setAccessibleDescription(QStringLiteral("Seekarte löschen und Strömung neu zeichnen"));
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vendral
