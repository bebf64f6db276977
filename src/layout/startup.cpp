// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/startup.h"

#include "chart/shipmarker.h"
#include "common/picturebox.h"
#include "common/sunkenborder.h"
#include "dials/dial.h"
#include "drawing/dialface.h"
#include "design/layout.h"
#include "simulation/handlers.h"
#include "simulation/islanddistance.h"
#include "layout/designscale.h"
#include "form/form.h"
#include "form/formvoyage.h"
#include "form/scrollbars.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace vendral {
namespace {

void layOut(QWidget *container, const QSizeF &screen)
{
    const QByteArray name = container->objectName().toLatin1();
    container->setGeometry(toQRect(design::containerPlace(name.constData(), screen.width(), screen.height())));
}

// The markers keep the size in sm they have on the design's chart.
void magnifyMarkers(Form &f)
{
    const QSize area = f.picSee->drawingArea().size();
    const double m = design::markerMagnification({double(area.width()), double(area.height())},
                                                 design::designChartArea(kSunkenBorder));
    f.image1->setMagnification(m);
    f.image2->setMagnification(m);
}

void placeChartControls(Form &f, const DesignScale &scale)
{
    const design::ChartControlPlaces places = design::chartControlPlaces(
        scale.twips(), f.picSee->width(), f.picSee->drawingArea().left(), f.Command4->width());
    f.picSee->placePixels(f.Command4, places.buttonLeft, 0);
    const auto place = [&f](QLineEdit *readout, const PixelRect &r) {
        readout->resize(r.width, r.height);
        f.picSee->placePixels(readout, r.left, r.top);
    };
    place(f.txtAbstand, places.distance);
    place(f.txtFdW, places.bearing);
    place(f.txtReiseweg, places.travelled);
}

} // namespace

double designScaleFor(const QSizeF &screenPixels)
{
    return design::designScaleFor(screenPixels.width(), screenPixels.height());
}

void startUp(Form &form, FormVoyage &voyage, const QSizeF &screenPixels, const DesignScale &scale)
{
    form.picFahrt->setScale(-1.3, 1.3, 1.3, -1.3);
    form.picFahrt->setFace(kCourseDialFace);
    form.picStrom->setScale(-1.3, 1.3, 1.3, -1.3);
    form.picStrom->setFace(kCurrentDialFace);

    layOut(form.Frame3, screenPixels);
    layOut(form.Frame4, screenPixels);
    layOut(form.picSee, screenPixels);
    layOut(form.Frame2, screenPixels);
    magnifyMarkers(form);

    placeChartControls(form, scale);
    form.picSee->setScale(0, 100, 100, 0);

    resetToStart(voyage, voyage, voyage);
    showIslandDistance(voyage);
    currentSpeedChanged(voyage, voyage, scrollValue(form.hscstromv));
}

} // namespace vendral
