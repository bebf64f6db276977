// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The worked examples of the voyage, clicked through the window: the same
// list the browser edition's tests sail, so that both give the same field
// texts. Each example sets its fields as the controls owning them would (most
// cannot be typed into), then ticks its check boxes and presses its
// buttons as a user does.
#include "testsupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace vendral;
using namespace testing;

namespace {

QJsonArray examples()
{
    QFile file(QStringLiteral(VENDRAL_WORKED_EXAMPLES));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", VENDRAL_WORKED_EXAMPLES);
    return QJsonDocument::fromJson(file.readAll()).array();
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), widget->rect().center()));
}


} // namespace

class TestWorkedExamples : public QObject
{
    Q_OBJECT

private slots:
    void fieldTextsAsWorkedOut_data()
    {
        QTest::addColumn<QJsonObject>("example");
        for (const QJsonValue &row : examples())
            QTest::newRow(qPrintable(row[QLatin1String("name")].toString())) << row.toObject();
    }

    void fieldTextsAsWorkedOut()
    {
        QFETCH(QJsonObject, example);
        auto w = shownWindow();
        for (const QJsonValue &step : example[QLatin1String("steps")].toArray()) {
            const QJsonObject ticks = step[QLatin1String("tick")].toObject();
            for (auto box = ticks.begin(); box != ticks.end(); ++box)
                if (control<QCheckBox>(*w, box.key())->isChecked() != box.value().toBool())
                    click(control(*w, box.key()));
            const QJsonObject set = step[QLatin1String("set")].toObject();
            for (auto field = set.begin(); field != set.end(); ++field)
                control<QLineEdit>(*w, field.key())->setText(field.value().toString());
            for (const QJsonValue &button : step[QLatin1String("press")].toArray())
                click(control(*w, button.toString()));
        }
        const QJsonObject expected = example[QLatin1String("expect")].toObject();
        for (auto field = expected.begin(); field != expected.end(); ++field)
            QCOMPARE(control<QLineEdit>(*w, field.key())->text(), field.value().toString());
    }
};

VENDRAL_TEST_MAIN(TestWorkedExamples)
#include "tst_workedexamples.moc"
