// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility/accessibility.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "simulation/direction.h"
#include "simulation/numbers.h"
#include "simulation/spoken.h"
#include "accessibility/accessiblefield.h"
#include "accessibility/accessibleupdates.h"
#include "form/fields.h"
#include "form/form.h"
#include "form/formvoyage.h"
#include "form/markerdrag.h"
#include "accessibility/notice.h"
#include "form/scrollbars.h"
#include "form/voyagerun.h"

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

namespace vendral {
namespace {

// The one the factory and the update handler serve, while it lives: Qt
// calls both without an object to call them on.
Accessibility *installed = nullptr;

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

class AccessibleDial : public AccessibleBox, public QAccessibleValueInterface
{
public:
    explicit AccessibleDial(Dial *dial)
        : AccessibleBox(dial, QAccessible::Dial)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // The angle in the name, with its unit, since the AT-SPI bridge
        // passes no value text.
        const QString text = AccessibleBox::text(t);
        if (t != QAccessible::Name || !dial()->hasDirection())
            return text;
        return QString::fromStdString(dialText(text.toStdString(), dial()->degrees()));
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
        return dial()->hasDirection() ? QString::fromStdString(degreesText(degrees())) : QString();
    }

private:
    Dial *dial() const { return static_cast<Dial *>(widget()); }
    int degrees() const { return dial()->degrees(); }
};

// A marker says where the voyage takes ship or island to be, in its name:
// "Schiff bei x 42.9, y 17.2 sm", "Inselmitte bei x 85, y 76 sm".
class AccessibleMarker : public AccessibleBox
{
public:
    AccessibleMarker(Marker *marker, const Accessibility &accessibility)
        : AccessibleBox(marker, QAccessible::Graphic)
        , accessibility_(accessibility)
        , ship_(qobject_cast<ShipMarker *>(marker) != nullptr)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? value() : AccessibleBox::text(t);
    }

protected:
    QString value() const override
    {
        const VoyageFields *voyage = accessibility_.voyageOf(widget());
        if (!voyage)
            return QString();
        return QString::fromStdString(ship_ ? shipText(*voyage) : islandText(*voyage));
    }

private:
    const Accessibility &accessibility_;
    const bool ship_;
};

// The sea chart tells, in its description, where ship and island are, how
// far apart and in which bearing, and how the ship sails.
class AccessibleChart : public AccessibleBox
{
public:
    AccessibleChart(PictureBox *chart, const Accessibility &accessibility)
        : AccessibleBox(chart, QAccessible::Chart)
        , accessibility_(accessibility)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? value() : AccessibleBox::text(t);
    }

protected:
    QString value() const override
    {
        const VoyageFields *voyage = accessibility_.voyageOf(widget());
        return voyage ? QString::fromStdString(chartSummary(*voyage)) : QString();
    }

private:
    const Accessibility &accessibility_;
};

// The bearing line, while it shows, tells its bearing and length.
class AccessibleBearingLine : public QAccessibleWidget
{
public:
    explicit AccessibleBearingLine(BearingLine *line)
        : QAccessibleWidget(line, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *line = static_cast<const BearingLine *>(widget());
        if (t != QAccessible::Name || line->isHidden())
            return QAccessibleWidget::text(t);
        return QString::fromStdString(bearingLineText(line->x1(), line->y1(), line->x2(), line->y2()));
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
        return new AccessibleMarker(marker, *installed);
    if (auto *chart = qobject_cast<PictureBox *>(object))
        return new AccessibleChart(chart, *installed);
    if (auto *line = qobject_cast<BearingLine *>(object))
        return new AccessibleBearingLine(line);
    if (auto *field = qobject_cast<QLineEdit *>(object))
        return new AccessibleField(field);
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

void toUpdates(QAccessibleEvent *event) { installed->updates().notify(event); }

void nameByLabel(QWidget *control, const QString &label)
{
    if (auto *caption = control->window()->findChild<QLabel *>(label))
        caption->setBuddy(control);
}

QString said(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void announceChanges(AccessibleUpdates &updates, const FormVoyage &voyage, VoyageRun *run, MarkerDrag *drag)
{
    const Form &form = voyage.form();
    const auto announce = [&updates](const std::string &message) { updates.announce(QString::fromStdString(message)); };
    QObject::connect(drag, &MarkerDrag::placed, drag, [&updates](Marker *marker) {
        updates.announce(QAccessible::queryAccessibleInterface(marker)->text(QAccessible::Name));
    });
    QObject::connect(run, &VoyageRun::started, run, [&updates] { updates.hold(); });
    QObject::connect(run, &VoyageRun::ended, run, [&updates, run](VoyageRun::End end) {
        // The report goes out ahead of the values held back during the run,
        // so a screen reader speaks it before it works through them. Closing
        // leaves nobody to hear it, and perhaps no window to read it from.
        if (end != VoyageRun::End::Closing)
            updates.announce(QString::fromStdString(run->report()));
        updates.release();
    });
    // A step during a run is told by the run's end.
    QObject::connect(form.Command1, &QPushButton::clicked, run, [&voyage, run, announce] {
        if (run->depth() == 0)
            announce(stepReport(voyage));
    });
    QObject::connect(form.chkPeil, &QCheckBox::clicked, run, [&form, &updates] {
        if (form.chkPeil->checkState() == Qt::Checked && !form.linpeil->isHidden())
            updates.announce(QAccessible::queryAccessibleInterface(form.linpeil)->text(QAccessible::Name));
    });
    QObject::connect(form.cmdStart, &QAction::triggered, run,
                     [&voyage, announce] { announce(startStateReport(voyage)); });
    QObject::connect(form.cmdEtap, &QAction::triggered, run, [announce] { announce(countersClearedReport()); });
    QObject::connect(form.Command2, &QPushButton::clicked, run, [announce] { announce(countersClearedReport()); });
}

} // namespace

Accessibility::Accessibility()
{
    if (installed)
        qFatal("a program has one Accessibility");
    installed = this;
    QAccessible::installFactory(accessibleFor);
    QAccessible::installUpdateHandler(toUpdates);
}

// Widgets that outlive it send their last events to the bridge.
Accessibility::~Accessibility()
{
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::removeFactory(accessibleFor);
    installed = nullptr;
}

void Accessibility::serve(QWidget *window, const FormVoyage &voyage, VoyageRun *run, MarkerDrag *drag)
{
    voyages_[window] = &voyage;
    announceChanges(updates_, voyage, run, drag);
}

void Accessibility::forget(const QWidget *window) { voyages_.erase(window); }

const VoyageFields *Accessibility::voyageOf(const QWidget *widget) const
{
    const auto found = voyages_.find(widget->window());
    return found == voyages_.end() ? nullptr : found->second;
}

void nameControls(Form &f)
{
    QWidget *window = f.picSee->window();
    for (const ControlText &labelled : controlLabels())
        nameByLabel(window->findChild<QWidget *>(said(labelled.control)), said(labelled.text));
    for (const ControlText &named : controlNames())
        window->findChild<QWidget *>(said(named.control))->setAccessibleName(said(named.text));
    for (const ControlText &described : controlDescriptions())
        window->findChild<QWidget *>(said(described.control))->setAccessibleDescription(said(described.text));
    // The chart's description follows the positions and the distance.
    for (QLineEdit *field : {f.txtSchiffx, f.txtSchiffy, f.txtInselx, f.txtInsely, f.txtAbstand}) {
        QObject::connect(field, &QLineEdit::textChanged, f.picSee, [chart = f.picSee] {
            QAccessibleEvent event(chart, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        });
    }
    // Menu bars show no tooltips: this one names the item for assistive
    // technology only.
    f.cmdc->setToolTip(said(creditsItemName()));
}

} // namespace vendral
