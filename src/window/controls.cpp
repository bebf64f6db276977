// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/controls.h"

#include "chart/bearingline.h"
#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "dials/dial.h"
#include "window/artwork.h"
#include "window/captionfit.h"
#include "window/designscale.h"
#include "window/form.h"
#include "window/scrollbars.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <cstring>
#include <utility>
#include <vector>

namespace vendral {
namespace {

const QColor kPale(246, 246, 246);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kReadout(255, 255, 128);

// The top-level containers' design places, in twips; start-up moves them.
struct ContainerDesign
{
    const char *name;
    double left, top, width, height;
};

constexpr ContainerDesign kContainers[] = {
    {"Frame4", 225, 6150, 4890, 4365},
    {"Frame3", 225, 300, 4890, 5790},
    {"Frame2", 5880, 10560, 9240, 690},
    {"picSee", 9300, 960, 9240, 9390},
};

void setColours(QWidget *widget, QPalette::ColorRole back, const QColor &backColour, QPalette::ColorRole text,
                const QColor &textColour)
{
    QPalette palette = widget->palette();
    if (backColour.isValid())
        palette.setColor(back, backColour);
    if (textColour.isValid())
        palette.setColor(text, textColour);
    widget->setPalette(palette);
}

struct EditStyle
{
    QColor back;
    QColor text;
    double points = 0; // 0: the window's font
    bool bold = false;
    bool centred = true;
    bool readOnly = false;
};

QLineEdit *makeEdit(const DesignScale &s, QWidget *parent, const char *name, const QRect &rect,
                    const EditStyle &style, const QString &text = QString())
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(rect);
    edit->setAlignment(style.centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    edit->setReadOnly(style.readOnly);
    edit->setTextMargins(0, 0, 0, 0);
    setColours(edit, QPalette::Base, style.back, QPalette::Text, style.text);
    if (style.points > 0)
        edit->setFont(s.font(style.points, style.bold));
    return edit;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &rect, bool centred,
                  const QColor &back = QColor(), const QColor &fore = QColor())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    // A static label is drawn on its container: it lies under every control
    // it overlaps, and presses, clicks and tooltips go to what lies below.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->lower();
    label->setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    if (back.isValid()) {
        label->setAutoFillBackground(true);
        setColours(label, QPalette::Window, back, QPalette::WindowText, fore);
    }
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                        const QColor &colour = QColor(), const QString &tip = QString())
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setToolTip(tip);
    if (colour.isValid())
        setColours(button, QPalette::Button, colour, QPalette::ButtonText, QColor());
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QCheckBox *makeCheck(QWidget *parent, const char *name, const QString &caption, const QRect &rect, bool ticked,
                     const QString &tip = QString())
{
    auto *check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(rect);
    check->setChecked(ticked);
    check->setToolTip(tip);
    check->setFocusPolicy(Qt::StrongFocus);
    return check;
}

QScrollBar *makeScrollBar(QWidget *parent, const char *name, Qt::Orientation orientation, const QRect &rect,
                          int first, int last, int value)
{
    auto *bar = new ParameterBar(orientation, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(rect);
    bar->setFocusPolicy(Qt::StrongFocus);
    setupScrollBar(bar, first, last, value);
    return bar;
}

QRect designPlace(const DesignScale &s, const char *container)
{
    const QRectF r = containerDesign(container);
    return s.rect(r.left(), r.top(), r.width(), r.height());
}

QGroupBox *makeFrame(const DesignScale &s, QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(designPlace(s, name));
    return frame;
}

Dial *makeDial(QWidget *parent, const char *name, const QRect &rect, const QColor &back, const QString &tip)
{
    auto *dial = new Dial(parent);
    dial->setObjectName(QLatin1String(name));
    dial->setGeometry(rect);
    dial->setBackColor(back);
    dial->setToolTip(tip);
    return dial;
}

// The compass letters N, W, O, S inside a dial, in the dial's colours, within
// its drawing area: the border keeps its width at any scale, and a letter on
// it would cover the dial's edge.
void addCompassLetters(const DesignScale &s, Dial *dial, int firstIndex, bool descending, const QColor &back,
                       const QColor &fore)
{
    struct Letter
    {
        const char *text;
        int left, top, height;
    };
    const Letter letters[4] = {
        {"N", 1575, 0, 240}, {"W", 0, 1575, 240}, {"O", 3150, 1575, 240}, {"S", 1575, 3150, 315}};
    const QRect area = dial->drawingArea();
    for (int k = 0; k < 4; ++k) {
        const int index = descending ? firstIndex - k : firstIndex + k;
        const Letter &l = letters[k];
        const QRect rect = s.rect(l.left, l.top, 240, l.height).translated(area.topLeft()).intersected(area);
        makeLabel(dial, QStringLiteral("Label4_%1").arg(index), QLatin1String(l.text), rect, true, back, fore);
    }
}

void createControlStand(const DesignScale &s, Form &f, QWidget *client)
{
    f.Frame3 = makeFrame(s, client, "Frame3", QStringLiteral("Steuerstand"));
    f.Frame3->setToolTip(QStringLiteral("Kommandobrücke"));
    QWidget *p = f.Frame3;

    f.chkPeil = makeCheck(p, "chkPeil", QString(), s.rect(2325, 5400, 240, 315), false);
    f.txtInselx = makeEdit(s, p, "txtInselx", s.rect(3675, 5025, 1065, 315), {{}, {}, 10.8, true, true, true});
    f.txtInsely = makeEdit(s, p, "txtInsely", s.rect(3675, 5400, 1065, 315), {{}, {}, 10.8, true, true, true});
    f.txtSchiffy = makeEdit(s, p, "txtSchiffy", s.rect(825, 5400, 1065, 315), {{}, {}, 10.8, true, true, true});
    f.txtSchiffx = makeEdit(s, p, "txtSchiffx", s.rect(825, 5025, 1065, 315), {{}, {}, 10.8, true, true, true});
    f.cmdFahrt = makeButton(p, "cmdFahrt", QStringLiteral("Fahrt"), s.rect(225, 4575, 990, 315), QColor(255, 255, 192),
                            QStringLiteral("Schiff in Fahrt setzen"));
    f.cmdStop = makeButton(p, "cmdStop", QStringLiteral("Stop"), s.rect(2400, 4575, 990, 315), QColor(255, 0, 0),
                           QStringLiteral("Schiff stoppen"));
    f.Command1 = makeButton(p, "Command1", QStringLiteral("Schritt dt"), s.rect(1275, 4575, 990, 315),
                            QColor(192, 192, 255), QStringLiteral("Schiff in Fahrt Einzelschritt"));
    f.chkAuto = makeCheck(p, "chkAuto", QStringLiteral("Autopilot"), s.rect(3675, 4575, 1140, 315), true,
                          QStringLiteral("Automatik, Kurs auf Insel"));
    f.chkAuto->setFont(s.font(9.6, false));
    f.txtFahrty = makeEdit(s, p, "txtFahrty", s.rect(1275, 450, 840, 360), {kPale, {}, 9.6, true});
    f.txtFahrtx = makeEdit(s, p, "txtFahrtx", s.rect(225, 450, 840, 360), {kPale, {}, 9.6, true});
    f.picFahrt = makeDial(p, "picFahrt", s.rect(225, 1050, 3465, 3465), kPale,
                          QStringLiteral("Zeiger greifen, Kurs einstellen"));
    addCompassLetters(s, f.picFahrt, 0, false, kPale, QColor());
    f.txtWinkel = makeEdit(s, p, "txtWinkel", s.rect(2400, 450, 1290, 390), {{}, {}, 10.8, false});
    f.txtFahrtv = makeEdit(s, p, "txtFahrtv", s.rect(3975, 450, 615, 435),
                           {QColor(128, 128, 128), kWhite, 10.8, true, true, true}, QStringLiteral("1"));
    f.hscfahrtv = makeScrollBar(p, "hscfahrtv", Qt::Vertical, s.rect(3975, 1500, 615, 2640), 10, 0, 1);

    makeLabel(p, QStringLiteral("Label7_0"), QStringLiteral("xSchiff"), s.rect(225, 5100, 690, 315), false);
    makeLabel(p, QStringLiteral("Label7_1"), QStringLiteral("ySchiff"), s.rect(225, 5475, 540, 240), false);
    makeLabel(p, QStringLiteral("Label7_2"), QStringLiteral("xInsel"), s.rect(3075, 5100, 540, 240), false);
    makeLabel(p, QStringLiteral("Label7_3"), QStringLiteral("yInsel"), s.rect(3075, 5475, 615, 240), false);
    makeLabel(p, QStringLiteral("Label7_4"), QStringLiteral("Peilung"), s.rect(2175, 5100, 540, 240), false);
    QLabel *full = makeLabel(p, QStringLiteral("Label5_0"), QStringLiteral("volle Kraft voraus"),
                             s.rect(3825, 1050, 840, 465), true);
    full->setWordWrap(true);
    makeLabel(p, QStringLiteral("Label5_1"), QStringLiteral("0"), s.rect(3825, 4275, 840, 465), true);
}

void createCurrentPanel(const DesignScale &s, Form &f, QWidget *client)
{
    f.Frame4 = makeFrame(s, client, "Frame4", QStringLiteral("Strömung"));
    QWidget *p = f.Frame4;
    f.txtStromv = makeEdit(s, p, "txtStromv", s.rect(3975, 300, 615, 435), {kBlue, kWhite, 10.8, true},
                           QStringLiteral("0"));
    f.hscstromv = makeScrollBar(p, "hscstromv", Qt::Vertical, s.rect(3975, 1200, 615, 2640), 10, 0, 1);
    f.txtStromW = makeEdit(s, p, "txtStromW", s.rect(2400, 300, 1290, 390), {kBlue, kWhite, 10.8, false});
    f.picStrom = makeDial(p, "picStrom", s.rect(225, 750, 3465, 3465), kBlue,
                          QStringLiteral("Zeiger greifen, Strömungsrichtung einstellen"));
    addCompassLetters(s, f.picStrom, 7, true, kBlue, kWhite);
    f.txtStromx = makeEdit(s, p, "txtStromx", s.rect(225, 300, 840, 390), {kBlue, kWhite, 9.6, true});
    f.txtStromy = makeEdit(s, p, "txtStromy", s.rect(1275, 300, 840, 390), {kBlue, kWhite, 9.6, true});
    makeLabel(p, QStringLiteral("Label5_3"), QStringLiteral("10"), s.rect(3975, 900, 615, 315), true);
    makeLabel(p, QStringLiteral("Label5_2"), QStringLiteral("0"), s.rect(3975, 3975, 540, 315), true);
}

void createTimePanel(const DesignScale &s, Form &f, QWidget *client)
{
    f.Frame2 = makeFrame(s, client, "Frame2", QString());
    QWidget *p = f.Frame2;
    const EditStyle fixedLeft{{}, {}, 9.6, true, false, true};
    f.hscverz = makeScrollBar(p, "hscverz", Qt::Horizontal, s.rect(8100, 225, 765, 315), 0, 100, 0);
    f.txtVerz = makeEdit(s, p, "txtVerz", s.rect(7275, 225, 615, 315), fixedLeft, QStringLiteral("0"));
    f.Command2 = makeButton(p, "Command2", QStringLiteral("x"), s.rect(5700, 225, 390, 315));
    f.txtReisezeitmin =
        makeEdit(s, p, "txtReisezeitmin", s.rect(5025, 225, 615, 315), fixedLeft, QStringLiteral("0"));
    f.txtReisezeith = makeEdit(s, p, "txtReisezeith", s.rect(4350, 225, 615, 315), fixedLeft, QStringLiteral("0"));
    f.txtReisezeitd = makeEdit(s, p, "txtReisezeitd", s.rect(3675, 225, 615, 315), fixedLeft, QStringLiteral("0"));
    f.txtdt =
        makeEdit(s, p, "txtdt", s.rect(1200, 225, 690, 315), {{}, {}, 9.6, true, true, true}, QStringLiteral("1"));
    f.hscdt = makeScrollBar(p, "hscdt", Qt::Horizontal, s.rect(1950, 225, 765, 315), 1, 60, 1);
    makeLabel(p, QStringLiteral("Label1"), QStringLiteral("Verzögerung"), s.rect(6300, 300, 915, 240), false);
    makeLabel(p, QStringLiteral("Label8_0"), QStringLiteral("dt in Minuten"), s.rect(225, 300, 1140, 240), false);
    makeLabel(p, QStringLiteral("Label8_1"), QStringLiteral("Reisezeit"), s.rect(2925, 300, 915, 240), false);
}

QLineEdit *makeReadout(const DesignScale &s, QWidget *chart, const char *name, const QRect &rect)
{
    QLineEdit *edit = makeEdit(s, chart, name, rect, {kBlue, kReadout, 10.8, true});
    edit->setFrame(false);
    return edit;
}

void createChart(const DesignScale &s, Form &f, QWidget *client)
{
    f.picSee = new PictureBox(client);
    f.picSee->setObjectName(QStringLiteral("picSee"));
    f.picSee->setGeometry(designPlace(s, "picSee"));
    f.picSee->setBorder(true);
    f.picSee->setBackColor(kBlue);
    f.picSee->setFont(s.font(9.6, false));
    f.picSee->setToolTip(QStringLiteral("Seegebiet 100sm x 100sm"));
    // A Tab stop, where a screen reader tells what the chart shows.
    f.picSee->setFocusPolicy(Qt::TabFocus);

    // Below the other controls on the chart, above the drawing.
    f.linpeil = new BearingLine(f.picSee);
    f.linpeil->setObjectName(QStringLiteral("linpeil"));

    f.image1 = new ShipMarker(f.picSee);
    f.image1->setObjectName(QStringLiteral("image1"));
    // The markers are the chart's content, not its furniture: they are not
    // shrunk with the design on a small screen but keep their size in sm on
    // every chart (start-up magnifies them). The box on the island keeps its
    // design size, easy to hit on any screen.
    const DesignScale marker;
    f.image1->setDesignSize(marker.rect(750, 1020, 240, 240).size());
    f.image1->setBackColor(kBlue);

    f.txtReiseweg = makeReadout(s, f.picSee, "txtReiseweg", s.rect(900, 0, 2340, 450));
    f.txtFdW = makeReadout(s, f.picSee, "txtFdW", s.rect(3225, 0, 2640, 450));
    f.txtAbstand = makeReadout(s, f.picSee, "txtAbstand", s.rect(5850, 0, 2940, 450));
    f.Command4 = makeButton(f.picSee, "Command4", QStringLiteral("x"), s.rect(0, 0, 315, 390), QColor(192, 192, 255));
    f.Command4->setFont(s.font(9.6, false));

    // The island marker takes the size of its picture.
    const QImage island = islandPicture();
    f.image2 = new Marker(f.picSee);
    f.image2->setObjectName(QStringLiteral("image2"));
    f.image2->move(s.rect(7620, 660, 0, 0).topLeft());
    f.image2->setBackColor(QPalette().color(QPalette::Base));
    f.image2->setPicture(island);
    f.image2->setToolTip(QStringLiteral("Insel verschieben"));
    f.image2->setCursor(Qt::SizeAllCursor);

    f.Check1 = makeCheck(f.image2, "Check1", QStringLiteral("Check1"), QRect(), false,
                         QStringLiteral("automatisch anhalten ein/aus"));
    f.image2->holdControl(f.Check1, marker.rect(375, 300, 240, 240));
    f.Check1->setAutoFillBackground(true);
    setColours(f.Check1, QPalette::Window, QColor(192, 192, 0), QPalette::WindowText, QColor());
    f.Check1->setCursor(Qt::ArrowCursor);
}

void createMenu(Form &f, QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    const auto add = [bar](const char *name, const QString &caption) {
        QAction *action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    f.cmdStart = add("cmdStart", QStringLiteral("Startzustand"));
    f.cmdEtap = add("cmdEtap", QStringLiteral("Etappenzähler löschen"));
    f.cmdend = add("cmdend", QStringLiteral("beenden"));
    f.cmdc = add("cmdc", QStringLiteral("c"));
}

// Tab goes through the window in reading order: panel by panel (control
// stand, current panel, time panel, chart), within a panel row by row from the
// top, left to right within a row. The chart itself comes after its fixed
// controls, then the markers on it, in their reading order at start-up (the
// island above the ship).
void chainFocus(const Form &f)
{
    const std::vector<QWidget *> order = {
        f.txtFahrtx, f.txtFahrty, f.txtWinkel, f.txtFahrtv,
        f.picFahrt, f.hscfahrtv,
        f.cmdFahrt, f.Command1, f.cmdStop, f.chkAuto,
        f.txtSchiffx, f.txtInselx,
        f.txtSchiffy, f.chkPeil, f.txtInsely,
        f.txtStromx, f.txtStromy, f.txtStromW, f.txtStromv,
        f.picStrom, f.hscstromv,
        f.txtdt, f.hscdt, f.txtReisezeitd, f.txtReisezeith, f.txtReisezeitmin, f.Command2, f.txtVerz, f.hscverz,
        f.txtAbstand, f.Command4,
        f.txtFdW,
        f.txtReiseweg,
        f.picSee, f.image2, f.Check1, f.image1,
    };
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

QRectF containerDesign(const char *name)
{
    for (const ContainerDesign &c : kContainers)
        if (std::strcmp(c.name, name) == 0)
            return QRectF(c.left, c.top, c.width, c.height);
    return QRectF();
}

void createControls(Form &form, QMainWindow *window, QWidget *client, const DesignScale &scale)
{
    // The menu bar and the credit box take the window's font as well.
    window->setFont(scale.font(8.25, false));
    createCurrentPanel(scale, form, client);
    createControlStand(scale, form, client);
    createTimePanel(scale, form, client);
    createChart(scale, form, client);
    createMenu(form, window);
    chainFocus(form);
    for (QWidget *control : client->findChildren<QWidget *>())
        if (control != form.Check1) // only its box shows, by design
            shrinkCaptionToFit(control);
}

} // namespace vendral
