// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/controls.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "design/controltable.h"
#include "dials/dial.h"
#include "layout/artwork.h"
#include "layout/captionfit.h"
#include "layout/designscale.h"
#include "form/form.h"
#include "form/scrollbars.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <optional>
#include <utility>
#include <vector>

namespace vendral {
namespace {

using design::ControlRow;
using design::Kind;

QString qText(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

void setColours(QWidget *widget, QPalette::ColorRole backRole, const std::optional<Rgb> &back,
                QPalette::ColorRole textRole, const std::optional<Rgb> &text)
{
    QPalette palette = widget->palette();
    if (back)
        palette.setColor(backRole, toQColor(*back));
    if (text)
        palette.setColor(textRole, toQColor(*text));
    widget->setPalette(palette);
}

// Makes the widgets of the table's rows, in their order, each in the widget
// an earlier row made (or the client area).
class ControlMaker
{
public:
    ControlMaker(const DesignScale &scale, QWidget *client)
        : scale_(scale)
        , client_(client)
    {
    }

    void make(const ControlRow &row);

    template <typename T> T *find(std::string_view name) const
    {
        for (const auto &[madeName, widget] : made_)
            if (madeName == name)
                return static_cast<T *>(widget);
        return nullptr;
    }

    const std::vector<std::pair<std::string_view, QWidget *>> &made() const { return made_; }

private:
    QRect place(const ControlRow &row) const
    {
        return row.has(design::Unscaled) ? DesignScale().rect(row.place) : scale_.rect(row.place);
    }
    QWidget *parentOf(const ControlRow &row) const
    {
        return row.parent == "client" ? client_ : find<QWidget>(row.parent);
    }
    QWidget *create(const ControlRow &row);
    QWidget *label(const ControlRow &row, const QRect &place);
    QWidget *edit(const ControlRow &row);
    QWidget *check(const ControlRow &row);
    QWidget *chart(const ControlRow &row);
    QWidget *island(const ControlRow &row);

    const DesignScale &scale_;
    QWidget *client_;
    std::vector<std::pair<std::string_view, QWidget *>> made_;
};

void ControlMaker::make(const ControlRow &row)
{
    QWidget *widget = create(row);
    widget->setObjectName(qText(row.name));
    if (!row.tooltip.empty())
        widget->setToolTip(qText(row.tooltip));
    if (row.points > 0)
        widget->setFont(scale_.font(row.points, row.has(design::Bold)));
    made_.emplace_back(row.name, widget);
}

QWidget *ControlMaker::create(const ControlRow &row)
{
    QWidget *parent = parentOf(row);
    switch (row.kind) {
    case Kind::Frame: {
        auto *frame = new QGroupBox(qText(row.caption), parent);
        frame->setGeometry(place(row));
        return frame;
    }
    case Kind::Label:
        return label(row, place(row));
    case Kind::CompassLetter: {
        // Within the dial's drawing area: the border keeps its width at any
        // scale, and a letter on it would cover the dial's edge.
        const QRect area = static_cast<Dial *>(parent)->drawingArea();
        return label(row, place(row).translated(area.topLeft()).intersected(area));
    }
    case Kind::Edit:
        return edit(row);
    case Kind::Button: {
        auto *button = new QPushButton(qText(row.caption), parent);
        button->setGeometry(place(row));
        if (row.back)
            setColours(button, QPalette::Button, row.back, QPalette::ButtonText, std::nullopt);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case Kind::Check:
        return check(row);
    case Kind::VerticalBar:
    case Kind::HorizontalBar: {
        auto *bar = new ParameterBar(row.kind == Kind::VerticalBar ? Qt::Vertical : Qt::Horizontal, parent);
        bar->setGeometry(place(row));
        bar->setFocusPolicy(Qt::StrongFocus);
        setupScrollBar(bar, row.range.first, row.range.last, row.range.value);
        return bar;
    }
    case Kind::Dial: {
        auto *dial = new Dial(parent);
        dial->setGeometry(place(row));
        dial->setBackColor(toQColor(*row.back));
        return dial;
    }
    case Kind::Chart:
        return chart(row);
    case Kind::BearingLine:
        return new BearingLine(static_cast<PictureBox *>(parent));
    case Kind::ShipMarker: {
        auto *ship = new ShipMarker(static_cast<PictureBox *>(parent));
        ship->setDesignSize(place(row).size());
        ship->setBackColor(toQColor(*row.back));
        return ship;
    }
    case Kind::IslandMarker:
        return island(row);
    }
    return nullptr;
}

QWidget *ControlMaker::label(const ControlRow &row, const QRect &place)
{
    auto *label = new QLabel(qText(row.caption), parentOf(row));
    label->setGeometry(place);
    // A static label is drawn on its container: it lies under every control
    // it overlaps, and presses, clicks and tooltips go to what lies below.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->lower();
    label->setAlignment(row.has(design::Centred) ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.has(design::WordWrap));
    if (row.back) {
        label->setAutoFillBackground(true);
        setColours(label, QPalette::Window, row.back, QPalette::WindowText, row.text);
    }
    return label;
}

QWidget *ControlMaker::edit(const ControlRow &row)
{
    auto *edit = new QLineEdit(qText(row.caption), parentOf(row));
    edit->setGeometry(place(row));
    edit->setAlignment(row.has(design::Centred) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    edit->setReadOnly(row.has(design::ReadOnly));
    edit->setTextMargins(0, 0, 0, 0);
    setColours(edit, QPalette::Base, row.back, QPalette::Text, row.text);
    edit->setFrame(!row.has(design::Frameless));
    return edit;
}

QWidget *ControlMaker::check(const ControlRow &row)
{
    QWidget *parent = parentOf(row);
    auto *check = new QCheckBox(qText(row.caption), parent);
    check->setChecked(row.has(design::Ticked));
    check->setFocusPolicy(Qt::StrongFocus);
    if (auto *marker = qobject_cast<Marker *>(parent)) {
        marker->holdControl(check, place(row));
        check->setCursor(Qt::ArrowCursor);
    } else {
        check->setGeometry(place(row));
    }
    if (row.back) {
        check->setAutoFillBackground(true);
        setColours(check, QPalette::Window, row.back, QPalette::WindowText, std::nullopt);
    }
    return check;
}

QWidget *ControlMaker::chart(const ControlRow &row)
{
    auto *chart = new PictureBox(parentOf(row));
    chart->setGeometry(place(row));
    chart->setBorder(true);
    chart->setBackColor(toQColor(*row.back));
    // A Tab stop, where a screen reader tells what the chart shows.
    chart->setFocusPolicy(Qt::TabFocus);
    return chart;
}

QWidget *ControlMaker::island(const ControlRow &row)
{
    auto *island = new Marker(static_cast<PictureBox *>(parentOf(row)));
    island->move(place(row).topLeft());
    island->setBackColor(QPalette().color(QPalette::Base));
    island->setPicture(islandPicture());
    island->setCursor(Qt::SizeAllCursor);
    return island;
}

void bindForm(Form &f, const ControlMaker &m)
{
    f.Frame3 = m.find<QGroupBox>("Frame3");
    f.txtFahrtx = m.find<QLineEdit>("txtFahrtx");
    f.txtFahrty = m.find<QLineEdit>("txtFahrty");
    f.txtWinkel = m.find<QLineEdit>("txtWinkel");
    f.txtFahrtv = m.find<QLineEdit>("txtFahrtv");
    f.picFahrt = m.find<Dial>("picFahrt");
    f.hscfahrtv = m.find<QScrollBar>("hscfahrtv");
    f.cmdFahrt = m.find<QPushButton>("cmdFahrt");
    f.Command1 = m.find<QPushButton>("Command1");
    f.cmdStop = m.find<QPushButton>("cmdStop");
    f.chkAuto = m.find<QCheckBox>("chkAuto");
    f.txtSchiffx = m.find<QLineEdit>("txtSchiffx");
    f.txtSchiffy = m.find<QLineEdit>("txtSchiffy");
    f.chkPeil = m.find<QCheckBox>("chkPeil");
    f.txtInselx = m.find<QLineEdit>("txtInselx");
    f.txtInsely = m.find<QLineEdit>("txtInsely");
    f.Frame4 = m.find<QGroupBox>("Frame4");
    f.txtStromx = m.find<QLineEdit>("txtStromx");
    f.txtStromy = m.find<QLineEdit>("txtStromy");
    f.txtStromW = m.find<QLineEdit>("txtStromW");
    f.txtStromv = m.find<QLineEdit>("txtStromv");
    f.picStrom = m.find<Dial>("picStrom");
    f.hscstromv = m.find<QScrollBar>("hscstromv");
    f.Frame2 = m.find<QGroupBox>("Frame2");
    f.txtdt = m.find<QLineEdit>("txtdt");
    f.hscdt = m.find<QScrollBar>("hscdt");
    f.txtReisezeitd = m.find<QLineEdit>("txtReisezeitd");
    f.txtReisezeith = m.find<QLineEdit>("txtReisezeith");
    f.txtReisezeitmin = m.find<QLineEdit>("txtReisezeitmin");
    f.Command2 = m.find<QPushButton>("Command2");
    f.txtVerz = m.find<QLineEdit>("txtVerz");
    f.hscverz = m.find<QScrollBar>("hscverz");
    f.picSee = m.find<PictureBox>("picSee");
    f.image1 = m.find<ShipMarker>("image1");
    f.image2 = m.find<Marker>("image2");
    f.Check1 = m.find<QCheckBox>("Check1");
    f.txtReiseweg = m.find<QLineEdit>("txtReiseweg");
    f.txtFdW = m.find<QLineEdit>("txtFdW");
    f.txtAbstand = m.find<QLineEdit>("txtAbstand");
    f.Command4 = m.find<QPushButton>("Command4");
    f.linpeil = m.find<BearingLine>("linpeil");
}

void createMenu(Form &f, QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    QAction **actions[] = {&f.cmdStart, &f.cmdEtap, &f.cmdend, &f.cmdc};
    QAction ***next = actions;
    for (const design::MenuEntry &entry : design::kMenu) {
        QAction *action = bar->addAction(qText(entry.caption));
        action->setObjectName(qText(entry.name));
        **next++ = action;
    }
}

void chainFocus(const ControlMaker &m)
{
    QWidget *previous = nullptr;
    for (std::string_view name : design::kTabOrder) {
        QWidget *next = m.find<QWidget>(name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace

void createControls(Form &form, QMainWindow *window, QWidget *client, const DesignScale &scale)
{
    // The menu bar and the credit box take the window's font as well.
    window->setFont(scale.font(design::kWindowPoints, false));
    ControlMaker maker(scale, client);
    for (const ControlRow &row : design::kControls)
        maker.make(row);
    bindForm(form, maker);
    createMenu(form, window);
    chainFocus(maker);
    for (const ControlRow &row : design::kControls)
        if (!row.has(design::BoxOnly))
            shrinkCaptionToFit(maker.find<QWidget>(row.name));
}

} // namespace vendral
