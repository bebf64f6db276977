// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/markerdrag.h"

#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "simulation/handlers.h"
#include "form/form.h"
#include "form/formvoyage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace vendral {
namespace {

// The outline that shows where a dragged marker would land.
class DragGhost : public QWidget
{
public:
    explicit DragGhost(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

MarkerDrag::MarkerDrag(FormVoyage &voyage, QObject *parent)
    : QObject(parent)
    , voyage_(voyage)
    , form_(voyage.form())
    , ghost_(new DragGhost(form_.picSee))
{
    for (Marker *marker : {static_cast<Marker *>(form_.image1), form_.image2}) {
        marker->installEventFilter(this);
        connect(marker, &Marker::moveRequested, this,
                [this, marker](const QPointF &corner) { keyMove(marker, corner); });
    }
}

MarkerDrag::~MarkerDrag()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

MarkerName MarkerDrag::name(const Marker *marker) const
{
    return marker == form_.image1 ? MarkerName::image1 : MarkerName::image2;
}

void MarkerDrag::dragOver(Marker *source, double x, double y) { vendral::dragOver(voyage_, name(source), x, y); }

void MarkerDrag::dragDrop(Marker *source, double x, double y)
{
    vendral::dragDrop(voyage_, voyage_, name(source), x, y);
}

void MarkerDrag::keyMove(Marker *source, const QPointF &corner)
{
    const PictureBox *chart = form_.picSee;
    const QPoint topLeft = chart->drawingArea().topLeft();
    const QPointF extent = chart->toUser(topLeft + QPoint(source->width(), source->height())) - chart->toUser(topLeft);
    vendral::keyMove(voyage_, voyage_, name(source), corner.x(), corner.y(), extent.x(), extent.y());
    emit placed(source);
}

bool MarkerDrag::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    // An event may pass here more than once (the marker's filter and the
    // application's); handling it again changes nothing.
    if (!watched->isWidgetType())
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseButtonPress) {
        if (dragging() || (watched != form_.image1 && watched != form_.image2))
            return false;
        auto *marker = static_cast<Marker *>(watched);
        // A press on a control inside the marker (the island's box) belongs to
        // that control, with any button: one it ignores must not reach the
        // marker as the start of a drag.
        if (marker->childAt(mouse->position().toPoint()))
            return true;
        begin(marker);
        return true;
    }
    if (!dragging())
        return false;
    if (type == QEvent::MouseMove)
        move(mouse->globalPosition());
    else if (mouse->buttons() == Qt::NoButton)
        release(mouse->globalPosition());
    return true;
}

void MarkerDrag::begin(Marker *source)
{
    source_ = source;
    source->show();
    // Moves and the release may reach any widget (the marker holds the mouse,
    // but events can also be sent elsewhere); the drag follows them all.
    qApp->installEventFilter(this);
}

void MarkerDrag::move(const QPointF &globalPos)
{
    QPointF p;
    if (!overOpenChart(globalPos, p)) {
        ghost_->hide();
        return;
    }
    showGhost(p.x(), p.y());
    dragOver(source_, p.x(), p.y());
}

void MarkerDrag::release(const QPointF &globalPos)
{
    QPointer<Marker> source = source_;
    end();
    QPointF p;
    if (source && overOpenChart(globalPos, p)) {
        dragDrop(source, p.x(), p.y());
        emit placed(source);
    }
}

void MarkerDrag::end()
{
    source_.clear();
    ghost_->hide();
    qApp->removeEventFilter(this);
}

bool MarkerDrag::overOpenChart(const QPointF &globalPos, QPointF &chartPoint) const
{
    PictureBox *chart = form_.picSee;
    QWidget *top = chart->window();
    const QPoint inTop = top->mapFromGlobal(globalPos.toPoint());
    if (top->childAt(inTop) != chart)
        return false;
    const QPointF local = chart->mapFromGlobal(globalPos);
    if (!chart->drawingArea().contains(local.toPoint()))
        return false;
    // The chart hands its drag events single-precision coordinates.
    const QPointF user = chart->toUser(local);
    chartPoint = QPointF(toSingle(user.x()), toSingle(user.y()));
    return true;
}

void MarkerDrag::showGhost(double x, double y)
{
    const QPointF corner = form_.picSee->toPixel(x, y);
    ghost_->setGeometry(QRect(corner.toPoint(), source_->size()));
    ghost_->raise();
    ghost_->show();
}

} // namespace vendral
