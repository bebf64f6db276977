// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/accessibility.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "simulation/direction.h"
#include "simulation/numbers.h"
#include "window/accessibleupdates.h"
#include "window/fields.h"
#include "window/form.h"
#include "window/mainwindow.h"
#include "window/markerdrag.h"
#include "window/notice.h"
#include "window/scrollbars.h"
#include "window/voyagerun.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
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

// The angle in the name, with its unit, since the AT-SPI bridge passes no
// value text: "Kurs 180 Grad".
QString degreesText(int degrees) { return QString::number(degrees) + QStringLiteral(" Grad"); }

class AccessibleDial : public AccessibleBox, public QAccessibleValueInterface
{
public:
    explicit AccessibleDial(Dial *dial)
        : AccessibleBox(dial, QAccessible::Dial)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString text = AccessibleBox::text(t);
        if (t != QAccessible::Name || !dial()->hasDirection())
            return text;
        return text + QLatin1Char(' ') + degreesText(dial()->degrees());
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
    QString value() const override { return dial()->hasDirection() ? degreesText(degrees()) : QString(); }

private:
    Dial *dial() const { return static_cast<Dial *>(widget()); }
    int degrees() const { return dial()->degrees(); }
};

// A marker says where it lies in its name, "Schiff bei x 42.9, y 17.2 sm",
// which changes as it moves.
class AccessibleMarker : public AccessibleBox
{
public:
    explicit AccessibleMarker(Marker *marker)
        : AccessibleBox(marker, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString text = AccessibleBox::text(t);
        return t == QAccessible::Name ? text + QStringLiteral(" bei ") + value() : text;
    }

protected:
    QString value() const override
    {
        const auto *marker = static_cast<const Marker *>(widget());
        return QStringLiteral("x %1, y %2 sm").arg(sm(marker->left()), sm(marker->top()));
    }
};

// The sea chart tells where ship and island are, as their position fields
// hold them, and how far apart they are, in its description.
class AccessibleChart : public AccessibleBox
{
public:
    explicit AccessibleChart(PictureBox *chart)
        : AccessibleBox(chart, QAccessible::Chart)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? value() : AccessibleBox::text(t);
    }

protected:
    QString value() const override
    {
        auto *window = qobject_cast<MainWindow *>(widget()->window());
        if (!window)
            return QString();
        const Form &f = window->form();
        return QStringLiteral("Schiff bei x %1, y %2 sm; Insel bei x %3, y %4 sm; %5")
            .arg(sm(number(f.txtSchiffx)), sm(number(f.txtSchiffy)), sm(number(f.txtInselx)), sm(number(f.txtInsely)),
                 f.txtAbstand->text());
    }
};

// A parameter bar reports the value the user sees: the vertical ones, built
// on a negated range, 0 at the bottom to 10 at the top, so that Increase
// raises the speed.
class AccessibleBar : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleBar(QScrollBar *bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
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
        return t == QAccessible::Value ? QString::number(scrollValue(bar())) : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return scrollValue(bar()); }
    void setCurrentValue(const QVariant &value) override
    {
        setScrollValue(bar(), std::clamp(value.toInt(), minimumValue().toInt(), maximumValue().toInt()));
    }
    QVariant maximumValue() const override { return std::max(scrollValue(bar(), bar()->minimum()), scrollValue(bar(), bar()->maximum())); }
    QVariant minimumValue() const override { return std::min(scrollValue(bar(), bar()->minimum()), scrollValue(bar(), bar()->maximum())); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }
};

// A menu item named by its action's tooltip, which is its caption unless
// one is given: the credit box's "c" says what it shows.
class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleMenuItem(QMenuBar *bar, QAction *action)
        : bar_(bar)
        , action_(action)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return bar_ && action_; }
    QObject *object() const override { return action_; }
    QWindow *window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!action_)
            return QString();
        if (t == QAccessible::Name)
            return action_->toolTip();
        if (t == QAccessible::Description)
            return action_->text();
        return QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = bar_->actionGeometry(action_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = true;
        s.disabled = !action_->isEnabled();
        s.invisible = !action_->isVisible() || !bar_->isVisible();
        s.focused = bar_->activeAction() == action_;
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && action_ && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QMenuBar> bar_;
    QPointer<QAction> action_;
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *dial = qobject_cast<Dial *>(object))
        return new AccessibleDial(dial);
    if (auto *marker = qobject_cast<Marker *>(object))
        return new AccessibleMarker(marker);
    if (auto *chart = qobject_cast<PictureBox *>(object))
        return new AccessibleChart(chart);
    if (auto *notice = qobject_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto *bar = qobject_cast<ParameterBar *>(object))
        return new AccessibleBar(bar);
    if (auto *action = qobject_cast<QAction *>(object)) {
        for (QObject *owner : action->associatedObjects()) {
            if (auto *menuBar = qobject_cast<QMenuBar *>(owner))
                return new AccessibleMenuItem(menuBar, action);
        }
    }
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
        {f.hscfahrtv, "Fahrt durchs Wasser in Knoten"},
        {f.txtStromx, "Strömung Ost"},
        {f.txtStromy, "Strömung Nord"},
        {f.txtStromW, "Strömungsrichtung in Grad"},
        {f.txtStromv, "Strömungsgeschwindigkeit in Knoten"},
        {f.hscstromv, "Strömungsgeschwindigkeit in Knoten"},
        {f.hscdt, "dt in Minuten"},
        {f.txtReisezeitd, "Reisezeit Tage"},
        {f.txtReisezeith, "Reisezeit Stunden"},
        {f.txtReisezeitmin, "Reisezeit Minuten"},
        {f.hscverz, "Verzögerung in Millisekunden"},
        {f.txtAbstand, "Entfernung zur Insel"},
        {f.txtFdW, "Fahrt d. Wasser"},
        {f.txtReiseweg, "Fahrt ü. Grund"},
        {f.image1, "Schiff"},
        {f.image2, "Insel"},
        {f.picFahrt, "Kurs"},
        {f.picStrom, "Strömungsrichtung"},
        {f.Check1, "automatisch anhalten"},
        {f.Command2, "Reisezeit und Strecken löschen"},
        {f.Command4, "Seekarte löschen"},
        {f.Frame2, "Zeitschritt, Verzögerung und Reisezeit"},
        {f.linpeil, "Peillinie zur Insel"},
    };
    for (const auto &[control, name] : named)
        control->setAccessibleName(QString::fromUtf8(name));
    f.Command4->setAccessibleDescription(QStringLiteral("Seekarte löschen und Strömung neu zeichnen"));
    // The chart's description follows the positions and the distance.
    for (QLineEdit *field : {f.txtSchiffx, f.txtSchiffy, f.txtInselx, f.txtInsely, f.txtAbstand}) {
        QObject::connect(field, &QLineEdit::textChanged, f.picSee, [chart = f.picSee] {
            QAccessibleEvent event(chart, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        });
    }
    // Menu bars show no tooltips: this one names the item for assistive
    // technology only.
    f.cmdc->setToolTip(QStringLiteral("Programmiert von"));
}

QString runReport(const Form &f, VoyageRun::End end)
{
    QString why;
    switch (end) {
    case VoyageRun::End::Stop: why = QStringLiteral("Fahrt gestoppt."); break;
    case VoyageRun::End::Edge: why = QStringLiteral("Fahrt beendet am Rand des Seegebiets."); break;
    case VoyageRun::End::Arrival: why = QStringLiteral("Fahrt beendet: an der Insel angekommen."); break;
    case VoyageRun::End::Closing: return QString();
    }
    // The travel time as its fields show it, which may be beyond any integer.
    const auto whole = [](const QLineEdit *field) { return QString::fromStdString(wholeText(number(field))); };
    QStringList parts{why, QStringLiteral("Reisezeit %1 Tage %2 Stunden %3 Minuten.")
                               .arg(whole(f.txtReisezeitd), whole(f.txtReisezeith), whole(f.txtReisezeitmin))};
    for (const QLineEdit *readOut : {f.txtFdW, f.txtReiseweg, f.txtAbstand}) {
        if (!readOut->text().trimmed().isEmpty())
            parts << readOut->text().simplified() + QLatin1Char('.');
    }
    return parts.join(QLatin1Char(' '));
}

void announceChanges(const Form &form, VoyageRun *run, MarkerDrag *drag)
{
    QObject::connect(drag, &MarkerDrag::placed, drag, [](Marker *marker) {
        AccessibleUpdates::instance()->announce(QAccessible::queryAccessibleInterface(marker)->text(QAccessible::Name));
    });
    QObject::connect(run, &VoyageRun::started, run, [] { AccessibleUpdates::instance()->hold(); });
    QObject::connect(run, &VoyageRun::ended, run, [&form](VoyageRun::End end) {
        AccessibleUpdates *updates = AccessibleUpdates::instance();
        updates->release();
        updates->announce(runReport(form, end));
    });
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        AccessibleUpdates::instance();
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace vendral
