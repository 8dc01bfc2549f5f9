#include "support/ShopRun.h"

#include "shell/Grid.h"

#include <QLineEdit>
#include <QtTest>

namespace mqt::test {

QWidget* ShopRun::Choose(int menuEntry)
{
    QWidget* entry = Find(&program.Menu(), QStringLiteral("lblFunction(%1)").arg(menuEntry));
    QTest::mouseClick(entry, Qt::LeftButton);
    return program.Menu().LoadedScreen(Screen(menuEntry));
}

void ShopRun::Click(QWidget* window, const QString& name) { QTest::mouseClick(Find(window, name), Qt::LeftButton); }

void ShopRun::Type(QWidget* window, const QString& name, const QString& text)
{
    auto* box = Find<QLineEdit>(window, name);
    box->clear();
    QTest::keyClicks(box, text);
}

void ShopRun::ClickRow(QWidget* window, int row)
{
    auto* grid = Find<Grid>(window, QStringLiteral("Grid"));
    QTest::mouseClick(grid->ClickTarget(row), Qt::LeftButton, {}, grid->CellCentre(row, 0));
}

}  // namespace mqt::test
