// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup.h"

#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "common/sunkenborder.h"
#include "dials/dial.h"
#include "dials/dialface.h"
#include "simulation/handlers.h"
#include "simulation/islanddistance.h"
#include "window/controls.h"
#include "window/designscale.h"
#include "window/form.h"
#include "window/formvoyage.h"
#include "window/scrollbars.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vendral {
namespace {

struct Fractions
{
    const char *name;
    double top, left, width, height;
};

constexpr Fractions kFractions[] = {
    {"Frame3", 0.005, 0.02, 0.32, 0.51},
    {"Frame4", 0.52, 0.02, 0.32, 0.39},
    {"picSee", 0.015, 0.36, 0.62, 0.84},
    {"Frame2", 0.85, 0.36, 0.62, 0.06},
};

int toPixels(double twipsValue) { return static_cast<int>(std::lround(twipsValue / kTwipsPerPixel)); }

QRect placeFor(const char *container, double w, double h)
{
    const ContainerLayout l = layoutFor(container, w, h);
    return QRect(toPixels(l.left), toPixels(l.top), toPixels(l.width), toPixels(l.height));
}

void layOut(QWidget *container, double w, double h)
{
    container->setGeometry(placeFor(container->objectName().toLatin1().constData(), w, h));
}

// The markers keep the size in sm they have on the design's chart.
void magnifyMarkers(Form &f)
{
    const double m = markerMagnification(QSizeF(f.picSee->drawingArea().size()), QSizeF(designChartArea()));
    f.image1->setMagnification(m);
    f.image2->setMagnification(m);
}

// The chart's controls, in twips of the chart before its scale is set. The
// chart's own width comes from the screen; what the design gives in twips
// follows the design's scale.
void placeChartControls(Form &f, const DesignScale &scale)
{
    const int border = f.picSee->drawingArea().left();
    f.picSee->placePixels(f.Command4, f.picSee->width() - f.Command4->width() - scale.pixels(36) - border, 0);
    const int readoutWidth = scale.pixels(4200);
    const int height = scale.pixels(450);
    f.txtAbstand->resize(readoutWidth, height);
    f.txtFdW->resize(readoutWidth, height);
    f.txtReiseweg->resize(readoutWidth, height);
    f.picSee->placePixels(f.txtAbstand, 0, 0);
    f.picSee->placePixels(f.txtFdW, 0, f.txtFdW->height());
    f.picSee->placePixels(f.txtReiseweg, 0, f.txtReiseweg->height() + f.txtFdW->height());
}

} // namespace

ContainerLayout layoutFor(const char *container, double w, double h)
{
    for (const Fractions &f : kFractions)
        if (std::strcmp(f.name, container) == 0)
            return {static_cast<float>(h * f.top), static_cast<float>(w * f.left), static_cast<float>(w * f.width),
                    static_cast<float>(h * f.height)};
    return {0, 0, 0, 0};
}

QSize designChartArea()
{
    const QRect chart = placeFor("picSee", 1024 * kTwipsPerPixel, 768 * kTwipsPerPixel);
    return chart.size() - 2 * QSize(kSunkenBorder, kSunkenBorder);
}

double designScaleFor(const QSizeF &screenPixels)
{
    const double w = screenPixels.width() * kTwipsPerPixel;
    const double h = screenPixels.height() * kTwipsPerPixel;
    double factor = 1.0;
    for (const Fractions &f : kFractions) {
        const QRectF design = containerDesign(f.name);
        factor = std::min({factor, w * f.width / design.width(), h * f.height / design.height()});
    }
    return factor;
}

void startUp(Form &form, FormVoyage &voyage, const QSizeF &screenPixels, const DesignScale &scale)
{
    form.picFahrt->setScale(-1.3, 1.3, 1.3, -1.3);
    form.picFahrt->setFace(courseDialFace());
    form.picStrom->setScale(-1.3, 1.3, 1.3, -1.3);
    form.picStrom->setFace(currentDialFace());

    const double w = screenPixels.width() * kTwipsPerPixel;
    const double h = screenPixels.height() * kTwipsPerPixel;
    layOut(form.Frame3, w, h);
    layOut(form.Frame4, w, h);
    layOut(form.picSee, w, h);
    layOut(form.Frame2, w, h);
    magnifyMarkers(form);

    placeChartControls(form, scale);
    form.picSee->setScale(0, 100, 100, 0);

    resetToStart(voyage, voyage, voyage);
    showIslandDistance(voyage);
    currentSpeedChanged(voyage, voyage, scrollValue(form.hscstromv));
}

} // namespace vendral
