// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-screenshots SHOP OUTDIR: starts the program in the shop folder on a fixed
// day, opens every screen in the state the shop owner's guide describes, and
// writes each window, message box and hint as a PNG into OUTDIR. Run it under
// a display (scripts/screenshots.sh runs it under Xvfb on a sample shop).

#include "app/Program.h"
#include "common/Clock.h"
#include "common/CommandRunner.h"
#include "shell/Grid.h"
#include "shell/MenuEntries.h"
#include "shell/WidgetDialogs.h"
#include "store/Connection.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QQueue>
#include <QScreen>
#include <QSpinBox>
#include <QTextStream>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

namespace {

using namespace mqt;

QString outDir;
int failures = 0;

void Save(const QPixmap& picture, const QString& name)
{
    const QString path = outDir + u'/' + name + QStringLiteral(".png");
    if (!picture.save(path)) {
        QTextStream(stderr) << "mqt-screenshots: cannot write " << path << '\n';
        ++failures;
    }
}

// Lets the windows paint before they are photographed.
void Settle(int ms = 300)
{
    QTest::qWait(ms);
}

// The guide's day, so the pictures do not change from one day to the next.
class GuideClock final : public Clock {
public:
    QDateTime Now() const override { return QDateTime(day_, QTime(10, 30)); }
    // The story's later morning, for the consignment period.
    void MoveTo(const QDate& day) { day_ = day; }

private:
    QDate day_{2025, 3, 14};
};

// The program's own message boxes, each photographed while it is open and then
// answered as the guide's story goes on.
class PhotographedDialogs final : public Dialogs {
public:
    struct Reply {
        QString picture;  // empty: answered without a picture
        QString input;    // typed into an input box
        int answer = No;  // for a question
        int choice = 0;   // for a list choice
    };
    void Expect(Reply reply) { replies_.enqueue(std::move(reply)); }

    int AskYesNo(const QString& prompt) override { Arm(); return real_.AskYesNo(prompt); }
    void ShowError(const QString& message) override { Arm(); real_.ShowError(message); }
    void ShowMessage(const QString& message) override { Arm(); real_.ShowMessage(message); }
    using Dialogs::InputBox;
    QString InputBox(const QString& prompt, const QString& initial) override
    {
        Arm();
        return real_.InputBox(prompt, initial);
    }
    int ChooseFromList(const QString& prompt, const QStringList& choices) override
    {
        Arm();
        return real_.ChooseFromList(prompt, choices);
    }
    bool AskRetry(const QString& message) override { Arm(); return real_.AskRetry(message); }

private:
    void Arm()
    {
        const Reply reply = replies_.isEmpty() ? Reply() : replies_.dequeue();
        QTimer::singleShot(400, [reply] { Answer(reply); });
    }

    static void Answer(const Reply& reply)
    {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) {
            QTimer::singleShot(200, [reply] { Answer(reply); });
            return;
        }
        if (auto* input = qobject_cast<QInputDialog*>(box)) {
            if (input->comboBoxItems().isEmpty())
                input->setTextValue(reply.input);
            else
                input->setTextValue(input->comboBoxItems().value(reply.choice));
        }
        Settle(100);
        if (!reply.picture.isEmpty()) Save(box->grab(), reply.picture);
        if (auto* input = qobject_cast<QInputDialog*>(box)) {
            input->accept();
        } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
            QAbstractButton* button = message->button(reply.answer == Yes ? QMessageBox::Yes : QMessageBox::No);
            if (!button) button = message->button(QMessageBox::Ok);
            if (button) button->click();
        }
    }

    WidgetDialogs real_;
    QQueue<Reply> replies_;
};

// The commands of backup and restore run for real: the pictures show what a
// shop sees.
class Screens {
public:
    explicit Screens(Program& program) : program_(program) {}

    QWidget* Open(int menuEntry)
    {
        program_.Menu().lblFunction_Click(menuEntry);
        const std::optional<Screen> screen = ScreenOfMenuEntry(menuEntry);
        if (!screen) qFatal("menu entry %d is no screen", menuEntry);
        QWidget* window = program_.Menu().LoadedScreen(*screen);
        if (!window) qFatal("menu entry %d shows no screen", menuEntry);
        window_ = window;
        Settle();
        return window;
    }

    template <typename Control = QWidget>
    Control* Find(const QString& name) const
    {
        Control* control = window_->findChild<Control*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }

    void Click(const QString& name) { Find<QAbstractButton>(name)->click(); Settle(100); }

    void Type(const QString& name, const QString& text)
    {
        QWidget* box = Find(name);
        box->setFocus();
        if (auto* line = qobject_cast<QLineEdit*>(box)) line->setText(text);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) lines->setPlainText(text);
    }

    // Types into a box and presses Enter, as a barcode scanner does.
    void Enter(const QString& name, const QString& text)
    {
        Type(name, text);
        QTest::keyClick(Find(name), Qt::Key_Return);
        Settle(100);
    }

    void Choose(const QString& name, int index) { Find<QComboBox>(name)->setCurrentIndex(index); }

    // Leaves the box for the next one, as the Tab key does, so its leave
    // event runs (ditto mark, prices).
    void Leave(const QString& name, const QString& next) { Find(name)->setFocus(); Find(next)->setFocus(); }

    void ClickRow(int row)
    {
        auto* grid = Find<Grid>(QStringLiteral("Grid"));
        QTest::mouseClick(grid->ClickTarget(row), Qt::LeftButton, {}, grid->CellCentre(row, 0));
        Settle(100);
    }

    void Picture(const QString& name) { Settle(); Save(window_->grab(), name); }

    // The window with the hint of one control shown beside it.
    void Hint(const QString& control, const QString& name)
    {
        QWidget* box = Find(control);
        // A tip goes away when its window is activated, its box takes the
        // focus or the pointer enters or leaves a widget, so all of that
        // happens first, with the pointer resting on the box.
        window_->activateWindow();
        box->setFocus();
        const QPoint at = box->mapToGlobal(QPoint(box->width() / 3, box->height() / 2));
        QCursor::setPos(window_->screen(), at);
        Settle(500);
        QToolTip::showText(at, box->toolTip(), box);
        Settle(600);
        QRect area = window_->frameGeometry();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->inherits("QTipLabel")) area = area.united(top->frameGeometry());
        Save(window_->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()), name);
        QToolTip::hideText();
        Settle(100);
    }

    void Close() { window_->close(); Settle(100); }

private:
    Program& program_;
    QWidget* window_ = nullptr;
};

// The consignment period: a 60-day term with a week's grace, two markdown
// rows, Evans agreeing to donate; five weeks on, the morning's pass and the
// End of Term screen with two of Carter's items chosen.
void TakeTermPictures(Program& program, PhotographedDialogs& dialogs, GuideClock& clock)
{
    Connection& shop = program.Shared().database.connection();
    shop.Execute(QStringLiteral("UPDATE params SET TermDays = 60, GraceDays = 7, EndOfTerm = 'returned'"));
    shop.Execute(QStringLiteral("INSERT INTO markdown (Category, Days, Percent) VALUES ('', 30, 25), ('', 60, 50), "
                                "('clothing', 21, 30)"));
    shop.Execute(QStringLiteral("UPDATE consignor SET EndOfTerm = 'donated' WHERE LastName = 'Evans'"));
    Screens screens(program);
    screens.Open(MenuEntry::Parameters);
    screens.Picture(QStringLiteral("terms-params"));
    screens.Close();

    clock.MoveTo(QDate(2025, 4, 21));
    dialogs.Expect({QStringLiteral("terms-pass"), {}, No, 0});
    program.Menu().CheckDayChanged();
    screens.Open(MenuEntry::EndOfTerm);
    screens.Find<QSpinBox>(QStringLiteral("txtWithinDays"))->setValue(14);
    screens.ClickRow(1);
    screens.ClickRow(2);
    screens.Picture(QStringLiteral("terms"));
    screens.Close();
}

void TakePictures(Program& program, PhotographedDialogs& dialogs)
{
    Screens screens(program);
    Save(program.Menu().grab(), QStringLiteral("menu"));

    // Parameters, as the sample shop set them.
    screens.Open(MenuEntry::Parameters);
    screens.Picture(QStringLiteral("params"));
    screens.Close();

    // Consignors: the list, and Carter's rent clause with the notes' hint.
    screens.Open(MenuEntry::Consignors);
    screens.Click(QStringLiteral("cmdShow"));
    screens.Click(QStringLiteral("optAction(1)"));
    screens.ClickRow(2);
    screens.Picture(QStringLiteral("consignor"));
    screens.Hint(QStringLiteral("txtNotes"), QStringLiteral("consignor-rent-hint"));

    // Items: Carter's list, an item being added, the pay-out.
    screens.Open(MenuEntry::Items);
    screens.Type(QStringLiteral("txtLastName"), QStringLiteral("Carter"));
    screens.Click(QStringLiteral("cmdShow"));
    screens.Picture(QStringLiteral("item-list"));
    screens.Click(QStringLiteral("optAction(0)"));
    screens.Type(QStringLiteral("txtItemDesc"), QStringLiteral("Brass table lamp"));
    screens.Type(QStringLiteral("txtCategory"), QStringLiteral("lighting"));
    screens.Type(QStringLiteral("txtSubCategory"), QStringLiteral("lamps"));
    screens.Type(QStringLiteral("txtSalePrice"), QStringLiteral("40"));
    screens.Leave(QStringLiteral("txtSalePrice"), QStringLiteral("txtDateAdded"));
    screens.Type(QStringLiteral("txtDateAdded"), QStringLiteral("today"));
    screens.Picture(QStringLiteral("item-add"));
    screens.Hint(QStringLiteral("txtDateAdded"), QStringLiteral("item-date-hint"));
    screens.Click(QStringLiteral("cmdUpdate"));
    screens.Click(QStringLiteral("optAction(3)"));
    screens.ClickRow(2);
    screens.Type(QStringLiteral("txtPayRef"), QStringLiteral("ck 1042"));
    screens.Picture(QStringLiteral("pay"));
    screens.Click(QStringLiteral("optAction(0)"));
    screens.Click(QStringLiteral("cmdShow"));

    // The statement of what Carter is owed now: the first choice.
    dialogs.Expect({QStringLiteral("statement-choice"), {}, No, 0});
    screens.Click(QStringLiteral("cmdStatement"));
    screens.Close();

    // Item numbers: item 5 found by its number, then its consignor's tags:
    // every unsold item listed, on a Letter sheet whose first three labels
    // are used, saved as a PDF.
    screens.Open(MenuEntry::Items);
    screens.Type(QStringLiteral("txtFindItemNo"), QStringLiteral("5"));
    screens.Click(QStringLiteral("cmdFindItemNo"));
    // Change shows the found item in the entry boxes; the first click on its
    // row lets go of the selection the search made, the second takes it.
    screens.Click(QStringLiteral("optAction(1)"));
    screens.ClickRow(6);
    screens.ClickRow(6);
    screens.Picture(QStringLiteral("item-number"));
    screens.Click(QStringLiteral("cmdTags"));
    auto* tags = screens.Find<QDialog>(QStringLiteral("dlgTags"));
    tags->findChild<QAbstractButton*>(QStringLiteral("optTagsFor(1)"))->click();
    auto* layout = tags->findChild<QComboBox*>(QStringLiteral("cboTagLayout"));
    layout->setCurrentIndex(layout->findData(QStringLiteral("letter30")));
    tags->findChild<QSpinBox*>(QStringLiteral("spnFirstPosition"))->setValue(4);
    tags->findChild<QSpinBox*>(QStringLiteral("spnCopies"))->setValue(1);
    Settle();
    Save(tags->grab(), QStringLiteral("tags-dialog"));
    tags->findChild<QAbstractButton*>(QStringLiteral("cmdSaveTags"))->click();
    Settle();
    screens.Close();

    // The report: furniture with detail totals, then an advanced search.
    screens.Open(MenuEntry::Report);
    screens.Type(QStringLiteral("txtSelect(3)"), QStringLiteral("furn"));
    screens.Click(QStringLiteral("chkTotals"));
    screens.Click(QStringLiteral("cmdShow"));
    screens.Picture(QStringLiteral("report"));
    screens.Hint(QStringLiteral("txtSelect(3)"), QStringLiteral("report-select-hint"));
    screens.Type(QStringLiteral("txtSelect(3)"), QString());
    screens.Click(QStringLiteral("chkTotals"));
    screens.Type(QStringLiteral("txtSearch"), QStringLiteral("oak and (table or chair)"));
    screens.Click(QStringLiteral("cmdShow"));
    screens.Picture(QStringLiteral("report-search"));
    screens.Hint(QStringLiteral("txtSearch"), QStringLiteral("report-search-hint"));
    screens.Close();

    // The counter: four tags scanned, the clock's price lowered, paid part
    // by card and part in cash; then the sale completed, one item returned
    // and the day's takings.
    screens.Open(MenuEntry::Checkout);
    for (const char* number : {"5", "12", "14", "7"})
        screens.Enter(QStringLiteral("txtScan"), QString::fromLatin1(number));
    screens.ClickRow(2);
    dialogs.Expect({QStringLiteral("checkout-price"), QStringLiteral("45"), No, 0});
    screens.Click(QStringLiteral("cmdLinePrice"));
    screens.ClickRow(2);
    screens.Choose(QStringLiteral("cboPayKind"), 1);
    screens.Type(QStringLiteral("txtPayAmount"), QStringLiteral("150"));
    screens.Click(QStringLiteral("cmdAddPayment"));
    screens.Choose(QStringLiteral("cboPayKind"), 0);
    screens.Type(QStringLiteral("txtPayAmount"), QStringLiteral("40"));
    screens.Click(QStringLiteral("cmdAddPayment"));
    screens.Picture(QStringLiteral("checkout"));
    screens.Click(QStringLiteral("cmdComplete"));
    screens.Picture(QStringLiteral("checkout-done"));
    // The boots come back the same day.
    dialogs.Expect({{}, QStringLiteral("14"), No, 0});
    dialogs.Expect({QStringLiteral("checkout-refund-way"), {}, No, 0});
    screens.Click(QStringLiteral("cmdReturn"));
    screens.Picture(QStringLiteral("checkout-return"));
    dialogs.Expect({{}, QString(), No, 0});
    dialogs.Expect({QStringLiteral("takings"), {}, No, 0});
    screens.Click(QStringLiteral("cmdTakings"));
    screens.Close();

    // The utilities: a backup, the restore question (answered No), and the
    // purge's date and question with its count (answered No).
    dialogs.Expect({QStringLiteral("backup-done"), {}, No, 0});
    program.Menu().lblFunction_Click(MenuEntry::Backup);
    dialogs.Expect({QStringLiteral("restore-question"), {}, No, 0});
    program.Menu().lblFunction_Click(MenuEntry::Restore);
    dialogs.Expect({QStringLiteral("purge-date"), QStringLiteral("1/1/2025"), No, 0});
    dialogs.Expect({QStringLiteral("purge-question"), {}, No, 0});
    program.Menu().lblFunction_Click(MenuEntry::DeletePaidItems);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marquill"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: mqt-screenshots SHOP OUTDIR\n";
        return 2;
    }
    outDir = arguments[2];
    QDir().mkpath(outDir);

    PhotographedDialogs dialogs;
    GuideClock clock;
    ProcessRunner commands;
    Program program(arguments[1], dialogs, clock, commands);
    // Start-up names the consignor whose rent clause cannot be read.
    dialogs.Expect({QStringLiteral("rent-not-charged"), {}, No, 0});
    if (!program.Start()) return 1;
    Settle();
    TakePictures(program, dialogs);
    TakeTermPictures(program, dialogs, clock);
    return failures == 0 ? 0 : 1;
}
