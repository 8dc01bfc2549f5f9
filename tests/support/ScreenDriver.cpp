// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScreenDriver.h"

#include "shell/Grid.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

namespace mqt::test {

namespace {

QWidget* Choose(RunningShop& run, int menuEntry)
{
    auto* entry = run.Menu().findChild<QWidget*>(QStringLiteral("lblFunction(%1)").arg(menuEntry));
    QTest::mouseClick(entry, Qt::LeftButton);
    QWidget* screen = run.Menu().LoadedScreen(ScreenOfMenuEntry(menuEntry).value_or(Screen::Params));
    if (!screen) qFatal("menu entry %d shows no screen", menuEntry);
    return screen;
}

}  // namespace

ScreenDriver::ScreenDriver(RunningShop& run, int menuEntry) : window(Choose(run, menuEntry)) {}

RunningShop& ScreenDriver::Started(RunningShop& run)
{
    if (!run.Start()) qFatal("start-up failed");
    return run;
}

void ScreenDriver::Click(const QString& name)
{
    // Near the left edge: an option button or a check box takes a click only
    // on its mark and its caption.
    QWidget* control = Find(name);
    const int middle = control->height() / 2;
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(middle, middle));
}

void ScreenDriver::Type(const QString& name, const QString& text)
{
    QWidget* box = Find(name);
    if (auto* line = qobject_cast<QLineEdit*>(box)) line->clear();
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) lines->clear();
    for (const QChar ch : text) {
        // Letters beyond ASCII have no key of their own here: they come as text.
        if (ch == u'\n')
            QTest::keyClick(box, Qt::Key_Return);
        else if (ch.unicode() < 128)
            QTest::keyClick(box, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

QString ScreenDriver::Text(const QString& name) const
{
    QWidget* control = Find(name);
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) return box->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        QStringList entries;
        for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
        return entries.join(u'\n');
    }
    qFatal("%s holds no text", qPrintable(name));
}

void ScreenDriver::ClickRow(int row)
{
    auto* grid = Find<Grid>(QStringLiteral("Grid"));
    QTest::mouseClick(grid->ClickTarget(row), Qt::LeftButton, {}, grid->CellCentre(row, 0));
}

QRgb ScreenDriver::RowColour(int row) const
{
    auto* grid = Find<Grid>(QStringLiteral("Grid"));
    const int keepRow = grid->Row();
    const int keepCol = grid->Col();
    QRgb colour = 0;
    for (int col = 0; col < grid->Cols(); ++col) {
        grid->SetRow(row);
        grid->SetCol(col);
        if (col == 0) colour = grid->CellBackColor();
        if (grid->CellBackColor() != colour) colour = 0;
    }
    grid->SetRow(keepRow);
    grid->SetCol(keepCol);
    return colour;
}

QColor ScreenDriver::MessageColour() const
{
    return Find<QLabel>(QStringLiteral("lblMessage"))->palette().color(QPalette::WindowText);
}

}  // namespace mqt::test
