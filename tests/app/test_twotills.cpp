// SPDX-License-Identifier: GPL-3.0-or-later
// Two tills on one server shop: two programs, each in a folder of its own
// whose "Marquill.server" names the same database, sell, pay and charge rent
// without a double or a loss. Where the other till has to be caught in the
// middle of its work, a transaction on a thread of its own plays it: it holds
// what it wrote until this till's statement waits for it, then commits.

#include "item/ItemScreenDriver.h"
#include "common/SaleMoney.h"
#include "shell/MenuEntries.h"
#include "store/RunSerializable.h"
#include "store/StoreError.h"
#include "store/TillLock.h"
#include "support/TestServer.h"
#include "utility/ChargeRent.h"

#include <QComboBox>
#include <QtTest>
#include <atomic>
#include <functional>
#include <semaphore>
#include <thread>

using namespace mqt;
using namespace mqt::test;

namespace {

// Another till's transaction caught midway: it has done its work and commits
// once `waiters` connections wait for what it holds (or after 20 seconds, so
// that a fault shows as a failed comparison rather than a hung test).
class OtherTillMidway {
public:
    OtherTillMidway(const QString& uri, std::function<void(Connection&)> work, int waiters = 1)
        : thread_([=, this] { Run(uri, work, waiters); })
    {
        started_.acquire();
    }
    ~OtherTillMidway() { thread_.join(); }
    bool Waited() const { return waited_; }

private:
    void Run(const QString& uri, const std::function<void(Connection&)>& work, int waiters)
    {
        try {
            Connection till = Connection::OpenServer(uri);
            Connection watch = Connection::OpenServer(uri);
            Transaction transaction(till);
            work(till);
            started_.release();
            Statement blocked(watch, QStringLiteral("SELECT count(*) FROM pg_stat_activity "
                                                    "WHERE pg_backend_pid() <> pid AND ? = ANY(pg_blocking_pids(pid))"));
            Statement self(till, QStringLiteral("SELECT pg_backend_pid()"));
            self.Step();
            blocked.Bind(1, qint64(self.ColumnInt64(0)));
            for (int tries = 0; tries < 1000 && !waited_; ++tries) {
                blocked.Reset();
                blocked.Step();
                waited_ = blocked.ColumnInt64(0) >= waiters;
                if (!waited_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            transaction.Commit();
        } catch (const StoreError& error) {
            qWarning("the other till failed: %s", qPrintable(error.Message()));
            started_.release();
        }
    }

    std::binary_semaphore started_{0};
    std::atomic<bool> waited_{false};
    std::thread thread_;
};

// The checkout counter of a till.
struct Counter : ScreenDriver {
    explicit Counter(RunningShop& run) : ScreenDriver(Started(run), MenuEntry::Checkout) {}
    void Prepare(qint64 itemNo, const QString& cash)
    {
        Type("txtScan", QString::number(itemNo) + u'\n');
        Find<QComboBox>("cboPayKind")->setCurrentIndex(int(PayKind::Cash));
        Type("txtPayAmount", cash);
        Click("cmdAddPayment");
    }
};

// How a till sells: made ready first, finished later.
enum class Till { ItemScreen, Checkout };

// One till's sale of the item "Lamp": Ready lists or scans it, Finish sells it.
struct Sale {
    Sale(RunningShop& run, Till till) : run(run), till(till)
    {
        if (till == Till::ItemScreen) {
            items = std::make_unique<ItemScreenDriver>(run);
            items->Show("Jones", "Bob");
            items->Choose(Sell);
        } else {
            counter = std::make_unique<Counter>(run);
            counter->Prepare(run.shop.Value("SELECT ItemNo FROM item WHERE ItemDesc = 'Lamp'").toLongLong(), "10");
        }
    }
    QString Finish()
    {
        if (items) {
            items->ClickRow(1);
            return items->Text("lblMessage");
        }
        counter->Click("cmdComplete");
        return counter->Text("lblMessage");
    }
    RunningShop& run;
    Till till;
    std::unique_ptr<ItemScreenDriver> items;
    std::unique_ptr<Counter> counter;
};

void DueRent(const TempShop& shop)
{
    for (const char* last : {"Adams", "Baker", "Clark"})
        shop.AddConsignor(last, "Al", "Space $Rent=(amount=50,due=02/01/2024,interval=1)");
}

}  // namespace

class TestTwoTills : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!ServerEngineWanted()) QSKIP("two tills share a server shop");
    }

    void sellOnce_data()
    {
        QTest::addColumn<int>("first");  // a Till, or -1: another till's sale being stored
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("refusal");
        const QString alreadySold = "Item is already sold";
        const QString soldMeanwhile = "Item %1 was sold at another till or screen since it was scanned: nothing was "
                                      "written. Remove its line and scan it again.";
        QTest::newRow("item screen, then item screen") << int(Till::ItemScreen) << int(Till::ItemScreen) << alreadySold;
        QTest::newRow("checkout, then item screen") << int(Till::Checkout) << int(Till::ItemScreen) << alreadySold;
        QTest::newRow("item screen, then checkout") << int(Till::ItemScreen) << int(Till::Checkout) << soldMeanwhile;
        QTest::newRow("checkout, then checkout") << int(Till::Checkout) << int(Till::Checkout) << soldMeanwhile;
        QTest::newRow("item screen while the other stores") << -1 << int(Till::ItemScreen) << alreadySold;
        QTest::newRow("checkout while the other stores") << -1 << int(Till::Checkout) << soldMeanwhile;
    }

    void sellOnce()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, refusal);
        RunningShop one;
        RunningShop two(TempShop::AnotherTill{}, one);
        one.shop.AddConsignor("Jones", "Bob");
        one.shop.AddItem("Jones", "Bob", "Lamp", {QVariant(), QVariant(), 7.0, 10.0, "2024-01-02"});
        const qint64 itemNo = one.shop.Value("SELECT ItemNo FROM item").toLongLong();
        two.clock.SetToday(QDate(2024, 2, 21));
        const QString expected = refusal.contains(u'%') ? refusal.arg(itemNo) : refusal;

        Sale later(two, Till(second));  // ready before the first till sells
        if (first < 0) {
            OtherTillMidway other(one.shop.ServerUri(), [](Connection& till) {
                till.Execute("UPDATE item SET DateSold = '2024-02-20' WHERE ItemDesc = 'Lamp' AND DateSold IS NULL");
            });
            QCOMPARE(later.Finish(), expected);
            QVERIFY(other.Waited());
        } else {
            Sale(one, Till(first)).Finish();
            QCOMPARE(later.Finish(), expected);
        }
        QCOMPARE(one.shop.Column("SELECT DateSold FROM item"), QStringList{"2024-02-20"});
        QCOMPARE(one.shop.Value("SELECT count(*) FROM sale_line").toInt(), first == int(Till::Checkout) ? 1 : 0);
    }

    void payOnce_data()
    {
        QTest::addColumn<bool>("midway");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("refs");
        const QString skipped = "; %1 of the chosen items skipped, changed at another till or screen since the list "
                                "was shown: %1 paid out. Look them up again.";
        QTest::newRow("the other till paid everything first") << false << "0 Items paid" + skipped.arg(3)
                                                               << QStringList{"one", "one", "one"};
        QTest::newRow("the other till's pay-out of B being stored") << true << "2 Items paid" + skipped.arg(1)
                                                                   << QStringList{"two", "one", "two"};
    }

    void payOnce()
    {
        QFETCH(bool, midway);
        QFETCH(QString, message);
        QFETCH(QStringList, refs);
        RunningShop one;
        RunningShop two(TempShop::AnotherTill{}, one);
        one.shop.AddConsignor("Jones", "Bob");
        for (const char* desc : {"A", "B", "C"})
            one.shop.AddItem("Jones", "Bob", desc, {QVariant(), QVariant(), 10.0, 14.29, "2024-01-02", "2024-02-01"});

        ItemScreenDriver later(two);
        later.Show("Jones", "Bob");
        later.Choose(Pay);
        QCOMPARE(later.Listed(), (QStringList{"A", "B", "C"}));
        later.Type("txtPayRef", "two");
        if (midway) {
            OtherTillMidway other(one.shop.ServerUri(), [](Connection& till) {
                till.Execute("UPDATE item SET DatePaid = '2024-02-19', PayRef = 'one' WHERE ItemDesc = 'B'");
            });
            later.Click("cmdUpdate");
            QVERIFY(other.Waited());
        } else {
            ItemScreenDriver earlier(one);
            earlier.Show("Jones", "Bob");
            earlier.Choose(Pay);
            earlier.Type("txtPayRef", "one");
            earlier.Click("cmdUpdate");
            QCOMPARE(earlier.Text("lblMessage"), "3 Items paid");
            later.Click("cmdUpdate");
        }
        QCOMPARE(later.Text("lblMessage"), message);
        QCOMPARE(one.shop.Column("SELECT PayRef FROM item ORDER BY ItemDesc"), refs);
    }

    void rentOnce_data()
    {
        QTest::addColumn<bool>("together");
        QTest::newRow("one till after the other") << false;
        QTest::newRow("both tills at the same time") << true;
    }

    void rentOnce()
    {
        QFETCH(bool, together);
        RunningShop one;
        RunningShop two(TempShop::AnotherTill{}, one);
        DueRent(one.shop);
        if (together) {
            // The first till's pass runs on a thread while the second starts
            // up; both wait until a third holder lets the rent lock go.
            SharedValues first(one.shop.Folder(), one.dialogs, one.clock, one.runner);
            first.database.OpenServer(one.shop.ServerUri());
            first.Data2.DatabaseName(first.database);
            first.Data3.DatabaseName(first.database);
            OtherTillMidway holder(one.shop.ServerUri(), [](Connection& till) { HoldTillLock(till, TillLock::Rent); }, 2);
            bool charged = true;
            std::thread charging([&] {
                try {
                    ChargeRent(first.database.connection(), first.Data2, first.Data3, first.dialogs, first.clock,
                               first.CurrentLastName, first.CurrentFirstName);
                } catch (const StoreError&) {
                    charged = false;
                }
            });
            QVERIFY(two.Start());
            charging.join();
            QVERIFY(charged);
            QVERIFY(holder.Waited());
        } else {
            QVERIFY(one.Start());
            QVERIFY(two.Start());
        }
        QCOMPARE(one.shop.Column("SELECT LastName || ' ' || ItemDesc FROM item ORDER BY LastName"),
                 (QStringList{"Adams Rent - 02/01/2024", "Baker Rent - 02/01/2024", "Clark Rent - 02/01/2024"}));
        QCOMPARE(one.shop.Column("SELECT DISTINCT Notes FROM consignor"),
                 QStringList{"Space $Rent=(amount=50,Due=03/01/2024,interval=1)"});
    }

    void serializationFailureRetried_data()
    {
        QTest::addColumn<int>("conflicts");
        QTest::addColumn<QString>("error");
        const QString givenUp = "Another till changed the same records at the same time; nothing was changed. Try again.";
        QTest::newRow("no conflict") << 0 << "";
        QTest::newRow("one conflict, run again") << 1 << "";
        QTest::newRow("two conflicts, run a third time") << 2 << "";
        QTest::newRow("three conflicts, given up") << 3 << givenUp;
    }

    // A rename of a consignor's items, each of whose runs meets an item add
    // for the consignor on another till that commits first.
    void serializationFailureRetried()
    {
        QFETCH(int, conflicts);
        QFETCH(QString, error);
        TempShop shop;
        shop.AddConsignor("Jones", "Bob");
        Connection renaming = shop.Connect();
        Connection adding = shop.Connect();
        int runs = 0;
        QString failure;
        try {
            RunSerializable(renaming, [&] {
                ++runs;
                renaming.Execute("SELECT count(*) FROM item WHERE LastName = 'Jones'");
                if (runs <= conflicts) {
                    RunSerializable(adding, [&] {
                        adding.Execute("SELECT count(*) FROM consignor WHERE LastName = 'Jones'");
                        adding.Execute(QString("INSERT INTO item (LastName, FirstName, ItemDesc) "
                                               "VALUES ('Jones', 'Bob', 'Lamp %1')").arg(runs));
                    });
                }
                renaming.Execute("UPDATE consignor SET LastName = 'Jonas' WHERE LastName = 'Jones'");
                renaming.Execute("UPDATE item SET LastName = 'Jonas' WHERE LastName = 'Jones'");
            });
        } catch (const StoreError& caught) {
            failure = caught.Message();
        }
        QCOMPARE(failure, error);
        QCOMPARE(runs, qMin(conflicts + 1, SerializableAttempts));
        // Either every record carries the new name, or none was changed.
        const QString name = error.isEmpty() ? "Jonas" : "Jones";
        QCOMPARE(shop.Column("SELECT DISTINCT LastName FROM consignor UNION SELECT DISTINCT LastName FROM item"),
                 QStringList{name});
        QCOMPARE(shop.Value("SELECT count(*) FROM item").toInt(), qMin(conflicts, SerializableAttempts));
    }
};

QTEST_MAIN(TestTwoTills)
#include "test_twotills.moc"
