// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "simulation/voyage.h"

#include <QObject>
#include <QPointF>
#include <QPointer>

class QWidget;

namespace vendral {

struct Form;
class FormVoyage;
class Marker;

// Placing ship and island: a press on a marker starts dragging it; while the
// pointer moves over the open chart the marker's position fields and the
// distance read-out follow it and an outline shows where the marker would
// land; a release over the open chart drops the marker there. A release
// anywhere else (off the chart, or over a control lying on it) is no drop.
// Built on plain mouse press, move and release, so it never runs a nested
// event loop of its own and works during a continuous run.
class MarkerDrag : public QObject
{
    Q_OBJECT

public:
    explicit MarkerDrag(FormVoyage &voyage, QObject *parent = nullptr);
    ~MarkerDrag() override;

    bool dragging() const { return !source_.isNull(); }

    // The drag events of the chart, at a point in chart units.
    void dragOver(Marker *source, double x, double y);
    void dragDrop(Marker *source, double x, double y);
    // A marker moved with the keys: as if dragged over the chart to the new
    // corner and dropped there, the whole marker kept on the chart.
    void keyMove(Marker *source, const QPointF &corner);

signals:
    // The user has put a marker in a new place, with the keys or the mouse.
    void placed(vendral::Marker *marker);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void begin(Marker *source);
    void move(const QPointF &globalPos);
    void release(const QPointF &globalPos);
    void end();
    // The point in chart units when the pointer is over the open chart.
    bool overOpenChart(const QPointF &globalPos, QPointF &chartPoint) const;
    void showGhost(double x, double y);
    MarkerName name(const Marker *marker) const;

    FormVoyage &voyage_;
    const Form &form_;
    QPointer<Marker> source_;
    QWidget *ghost_ = nullptr;
};

} // namespace vendral
