// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility/accessibleupdates.h"

#include "accessibility/notice.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <climits>

namespace vendral {
namespace {

QString currentText(QObject *object)
{
    if (auto *field = qobject_cast<QLineEdit *>(object))
        return field->text();
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    QAccessibleTextInterface *text = interface ? interface->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QString();
}

bool merged(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::ValueChanged:
    case QAccessible::TextUpdated:
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
    case QAccessible::LocationChanged: return true;
    default: return false;
    }
}

} // namespace

AccessibleUpdates::AccessibleUpdates()
    : sink_(toBridge)
{
    timer_.setInterval(kInterval);
    connect(&timer_, &QTimer::timeout, this, [this] { flush(kBudget); });
}

// Qt hands an event to the update handler instead of the bridge; with the
// handler out of the way for a moment, the same call reaches the bridge.
void AccessibleUpdates::toBridge(QAccessibleEvent *event)
{
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handler);
}

void AccessibleUpdates::setSink(Sink sink) { sink_ = sink ? std::move(sink) : Sink(toBridge); }

void AccessibleUpdates::hold()
{
    if (depth_++ == 0)
        timer_.start();
}

void AccessibleUpdates::release()
{
    if (depth_ == 0 || --depth_ > 0)
        return;
    timer_.stop();
    flush(INT_MAX);
}

void AccessibleUpdates::notify(QAccessibleEvent *event)
{
    const QAccessible::Event type = event->type();
    QObject *object = event->object();
    // A field the program rewrites moves its caret twice; only the caret of
    // the field the user is in matters.
    if (type == QAccessible::TextCaretMoved && object != QApplication::focusWidget())
        return;
    if (object && object == quiet_ && (type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged))
        return;
    if (!holding() || !object || !merged(type)) {
        send(event);
        return;
    }
    const Key key(object, event->child(), type);
    // An object gone since left its key behind; a new one at its address
    // must not be taken for it.
    const auto found = held_.find(key);
    if (found != held_.end() && found->second.object)
        return;
    if (found != held_.end())
        held_.erase(found);
    Held held{object, event->child(), type, {}};
    if (type == QAccessible::TextUpdated)
        held.oldText = static_cast<QAccessibleTextUpdateEvent *>(event)->textRemoved();
    held_.emplace(key, held);
    order_.push_back(key);
}

void AccessibleUpdates::send(QAccessibleEvent *event) { sink_(event); }

// A merged event carries the values of the moment it goes out.
void AccessibleUpdates::sendHeld(const Held &held)
{
    QObject *object = held.object;
    if (!object)
        return;
    if (held.type == QAccessible::ValueChanged) {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
        QAccessibleValueInterface *value = interface ? interface->valueInterface() : nullptr;
        QAccessibleValueChangeEvent event(object, value ? value->currentValue() : QVariant());
        event.setChild(held.child);
        send(&event);
    } else if (held.type == QAccessible::TextUpdated) {
        const QString text = currentText(object);
        if (text == held.oldText)
            return;
        QAccessibleTextUpdateEvent event(object, 0, held.oldText, text);
        event.setChild(held.child);
        send(&event);
    } else {
        QAccessibleEvent event(object, held.type);
        event.setChild(held.child);
        send(&event);
    }
}

void AccessibleUpdates::flush(int budget)
{
    while (!order_.empty() && budget > 0) {
        const Key key = order_.front();
        order_.pop_front();
        const auto found = held_.find(key);
        if (found == held_.end())
            continue;
        const Held held = found->second;
        held_.erase(found);
        budget -= held.type == QAccessible::TextUpdated ? 2 : 1;
        sendHeld(held);
    }
}

void AccessibleUpdates::announce(const QString &message)
{
    QWidget *window = QApplication::activeWindow();
    if (!window || message.isEmpty())
        return;
    auto *notice = window->findChild<Notice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new Notice(window);
    notice->say(message);
}

} // namespace vendral
