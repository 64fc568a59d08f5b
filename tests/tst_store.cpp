// The data module on a real bank: catalogue, loading and counts, study records.
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "store/UnitDM.h"
#include "tests/fixtures/TestBank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

QStringList entryIds()
{
    QStringList ids;
    for (int i = 0; i < ItemList.count(); ++i)
        ids << ItemList[i]->ItemID;
    return ids;
}

QList<int> subIndexes()
{
    QList<int> out;
    for (int i = 0; i < ItemList.count(); ++i)
        out << ItemList[i]->kind45Index;
    return out;
}

BankQuestion calculation(const QString &id, const QStringList &keys, int score)
{
    BankQuestion q;
    q.id = id;
    q.chapterId = "C1";
    q.type = "4";
    q.text = "计算" + id;
    q.options = keys;
    q.answer = "见解析";
    q.score = score;
    return q;
}

TItem *answer(int i, const QString &userAnswer, int userScore)
{
    ItemList[i]->UserAnswer = userAnswer;
    ItemList[i]->UserScore = userScore;
    return ItemList[i];
}

}

class TestStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        CreateGlobalLists();
        EnterTestMode();
    }

    void catalogue()
    {
        TestApp app;
        app.dm()->GetKeChengInfo();
        QCOMPARE(KeChengList.count(), 2);
        QCOMPARE(KeChengList.text(0), QStringLiteral("会计基础")); // identifiers descending
        QCOMPARE(KeChengList[1]->KeChengID, QStringLiteral("01"));

        app.dm()->GetZhangJIe("02", "1");
        QCOMPARE(ZhangJieList.count(), 2);
        QCOMPARE(ZhangJieList[0]->ZhangJieID, QStringLiteral("0201"));
        QCOMPARE(ZhangJieList[1]->ZhangJieID, QStringLiteral("0202"));
        app.dm()->GetZhangJIe("02", "2");
        QCOMPARE(ZhangJieList.count(), 1);
        QCOMPARE(ZhangJieList.text(0), QStringLiteral("模拟试卷一"));
        app.dm()->GetZhangJIe("99", "1");
        QVERIFY(ZhangJieList.isEmpty());

        app.dm()->GetKeChengJiangYi("02", "1");
        QCOMPARE(KeChengJiangYiList, (QStringList{"第一章 总论", "jy/0201.htm", "FALSE", "第二章 会计科目",
                                                  "https://acctprep.example.org/jy/0202", "TRUE"}));
        app.dm()->GetKaoShiDaGang();
        QCOMPARE(KaoShiDaGangList.size(), 6);
        QCOMPARE(KaoShiDaGangList.at(3), QStringLiteral("报名须知"));
        app.dm()->GetHelpList();
        QCOMPARE(HelpList.size(), 3);

        app.dm()->GetKeMuList();
        app.dm()->GetKeMuList(); // not emptied first: every account twice
        QCOMPARE(KeMuList.count(), 6);
        QCOMPARE(KeMuList[0]->PKMName, QStringLiteral("库存现金"));
        QCOMPARE(KeMuList[1]->PKMName, QStringLiteral("银行存款"));
        QCOMPARE(KeMuList[2]->CKMName, QStringLiteral("应交增值税"));
    }

    void quotesInIdentifiersAreData()
    {
        const QString course = "x'); drop table tabItem; --";
        const QString chapter = "O'Brien;1";
        TestApp app([&](BankWriter &bank) {
            bank.addCourse(course, "课程'甲");
            bank.addChapter(chapter, "章'节", course, "1");
            bank.addQuestion(TestApp::choice("q'1", chapter, "1", "A", 1));
            bank.addHandout(chapter, "a'b.htm", "FALSE");
        });
        app.dm()->GetKeChengInfo();
        QCOMPARE(KeChengList[0]->KeChengID, course);
        app.dm()->GetZhangJIe(course, "1");
        QCOMPARE(ZhangJieList.count(), 1);
        int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
        app.dm()->GetItemCnt(course, chapter, zong, dan, duo, pan, fen);
        QCOMPARE(dan, 1);
        app.dm()->AddItem(chapter, "1", 5, 0);
        app.dm()->AddItem(course, "1", 5, 1);
        QCOMPARE(entryIds(), (QStringList{"q'1", "q'1"}));
        app.dm()->GetKeChengJiangYi(course, "1");
        QCOMPARE(KeChengJiangYiList.at(1), QStringLiteral("a'b.htm"));
        QCOMPARE(app.scalar("select count(*) from tabItem").toInt(), 1);
    }

    void addItemQuantity_data()
    {
        QTest::addColumn<int>("cnt");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("zero") << 0 << QStringList{};
        QTest::newRow("negative") << -3 << QStringList{};
        QTest::newRow("two") << 2 << QStringList{"0201-001", "0201-002"};
        QTest::newRow("more than the chapter has") << 50 << QStringList{"0201-001", "0201-002", "0201-003"};
    }
    void addItemQuantity()
    {
        QFETCH(int, cnt);
        QFETCH(QStringList, ids);
        TestApp app;
        app.dm()->AddItem("0201", "1", cnt, 0);
        QCOMPARE(entryIds(), ids);
        for (int i = 0; i < ItemList.count(); ++i) {
            const TItem *e = ItemList[i];
            QCOMPARE(e->ZhangJieID, QStringLiteral("0201"));
            QCOMPARE(e->ItemScore, 100);
            QCOMPARE(e->ColorMark, 3);
            QCOMPARE(e->kind45Index, 1);
            QVERIFY(e->UserAnswer.isEmpty());
            QCOMPARE(e->ItemDetail, "题目" + e->ItemID); // deciphered
            QVERIFY(e->KeChengName.isEmpty());
        }
    }

    void calculationExpansion_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("emptyColumn");
        QTest::addColumn<int>("score");
        QTest::addColumn<QList<int>>("indexes");
        // Each sub-question's share, in hundredths: together they make the question's points,
        // the odd hundredths going to the first ones.
        QTest::addColumn<QList<int>>("shares");
        QTest::newRow("A B - D, empty E F, 10 points")
            << QStringList{"借:库存现金=1000;贷:银行存款=1000", "5000", "-", "300"} << "I_E" << 10
            << QList<int>{1, 2, 4} << QList<int>{334, 333, 333};
        QTest::newRow("A absent, two keys") << QStringList{"-", "100", "200"} << "" << 4 << QList<int>{2, 3}
                                           << QList<int>{200, 200};
        QTest::newRow("two keys, odd points") << QStringList{"1", "2"} << "" << 5 << QList<int>{1, 2}
                                              << QList<int>{250, 250};
        QTest::newRow("four keys") << QStringList{"1", "2", "3", "4"} << "" << 10 << QList<int>{1, 2, 3, 4}
                                   << QList<int>{250, 250, 250, 250};
        QTest::newRow("three keys, 1 point") << QStringList{"1", "2", "3"} << "" << 1 << QList<int>{1, 2, 3}
                                             << QList<int>{34, 33, 33};
        QTest::newRow("all six") << QStringList{"1", "2", "3", "4", "5", "6"} << "" << 10
                                 << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{167, 167, 167, 167, 166, 166};
        QTest::newRow("none present") << QStringList{"-", "-"} << "" << 10 << QList<int>{} << QList<int>{};
    }
    void calculationExpansion()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, emptyColumn);
        QFETCH(int, score);
        QFETCH(QList<int>, indexes);
        QFETCH(QList<int>, shares);
        TestApp app([&](BankWriter &bank) {
            bank.addCourse("M", "会计基础");
            bank.addChapter("C1", "章", "M", "1");
            bank.addQuestion(calculation("Q4", keys, score));
            if (!emptyColumn.isEmpty())
                bank.execute(QStringLiteral("update tabItem set %1 = '', I_F = NULL").arg(emptyColumn));
        });
        app.dm()->AddItem("C1", "4", 1, 0);
        QCOMPARE(subIndexes(), indexes);
        QList<int> given;
        int total = 0;
        for (int i = 0; i < ItemList.count(); ++i) {
            given << ItemList[i]->ItemScore;
            total += ItemList[i]->ItemScore;
            QCOMPARE(ItemList[i]->ItemID, QStringLiteral("Q4"));
            QCOMPARE(ItemList[i]->ItemA, keys.value(0)); // every entry carries all the keys
        }
        QCOMPARE(given, shares);
        if (!shares.isEmpty())
            QCOMPARE(total, score * 100);
    }

    void caseSubQuestionsInNumberOrder()
    {
        TestApp app([](BankWriter &bank) {
            bank.addCourse("M", "财经法规与会计职业道德");
            bank.addChapter("C1", "章", "M", "1");
            BankQuestion q;
            q.id = "Q5";
            q.chapterId = "C1";
            q.type = "5";
            q.text = "案例";
            q.picture = "case.png";
            q.fav = true;
            for (int no : {3, 1, 2}) {
                BankSubQuestion s;
                s.no = no;
                s.text = QStringLiteral("小题%1").arg(no);
                s.options = {QStringLiteral("甲%1").arg(no), "乙"};
                s.answer = "A";
                s.explanation = QStringLiteral("解析%1").arg(no);
                s.score = no;
                q.subquestions << s;
            }
            bank.addQuestion(q);
            BankQuestion empty = q;
            empty.id = "Q6";
            empty.subquestions.clear();
            bank.addQuestion(empty);
        });
        app.dm()->AddItem("C1", "5", 5, 0);
        QCOMPARE(subIndexes(), (QList<int>{1, 2, 3})); // the case without sub-questions gives none
        for (int i = 0; i < 3; ++i) {
            const TItem *e = ItemList[i];
            QCOMPARE(e->ItemDetail, QStringLiteral("案例"));
            QCOMPARE(e->EX_Subject, QStringLiteral("小题%1").arg(i + 1));
            QCOMPARE(e->ItemA, QStringLiteral("甲%1").arg(i + 1));
            QCOMPARE(e->ItemC, QStringLiteral("-"));
            QCOMPARE(e->ItemDesc, QStringLiteral("解析%1").arg(i + 1));
            QCOMPARE(e->ItemScore, (i + 1) * 100);
            QCOMPARE(e->ItemPic, QStringLiteral("case.png"));
            QVERIFY(e->ItemFav);
        }
    }

    void randomDrawsStayInTheCourseAndVary()
    {
        TestApp app([](BankWriter &bank) {
            bank.addCourse("A", "甲");
            bank.addCourse("B", "乙");
            bank.addChapter("A1", "A章", "A", "1");
            bank.addChapter("A2", "A卷", "A", "2");
            bank.addChapter("B1", "B章", "B", "1");
            for (int i = 0; i < 40; ++i) {
                bank.addQuestion(TestApp::choice(QStringLiteral("A%1").arg(i, 3, 10, QChar('0')),
                                                 i % 2 ? "A1" : "A2", "1", "A", 1));
                bank.addQuestion(TestApp::choice(QStringLiteral("B%1").arg(i, 3, 10, QChar('0')), "B1", "1", "A", 1));
            }
        });
        QSet<QString> orders;
        for (int round = 0; round < 5; ++round) {
            ItemList.clear();
            app.dm()->AddItem("A", "1", 20, 1);
            const QStringList ids = entryIds();
            QCOMPARE(ids.size(), 20);
            QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), 20);
            for (const QString &id : ids)
                QVERIFY(id.startsWith('A'));
            QCOMPARE(ItemList[0]->ZhangJieID, QStringLiteral("A")); // the course identifier
            orders.insert(ids.join(','));
        }
        QVERIFY(orders.size() > 1);
        ItemList.clear();
        app.dm()->AddItem("A", "1", 100, 1);
        QCOMPARE(ItemList.count(), 40);
    }

    void counters_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QList<int>>("expected"); // zong, dan, duo, pan, fen
        QTest::newRow("chapter") << "chapter" << QList<int>{-1, 3, 2, 2, 1};
        QTest::newRow("empty chapter keeps the caller's values") << "empty" << QList<int>{-1, 0, 0, 0, 0};
        QTest::newRow("essentials with both analysis types") << "essentials" << QList<int>{5, 1, 1, 1, 2};
        QTest::newRow("wrong answers with both analysis types") << "errors" << QList<int>{5, 2, 0, 1, 2};
    }
    void counters()
    {
        QFETCH(QString, which);
        QFETCH(QList<int>, expected);
        TestApp app;
        app.scalar("update tabItem set I_FAV = 1 where I_ID in ('0201-001', '0201-004', '0201-006', "
                   "'0201-008', '0101-003')");
        for (const char *row : {"20261201,0201-001", "20261202,0201-001", "20261202,0201-006",
                                "20261202,0201-008", "20261203,0101-003", "20250101,0201-002"}) {
            const QStringList parts = QString::fromLatin1(row).split(',');
            app.scalar("insert into tabErrItemHisLog values(?, ?)", {parts[0], parts[1]});
        }
        int zong = -1, dan = 0, duo = 0, pan = 0, fen = 0;
        if (which == "chapter")
            app.dm()->GetItemCnt("02", "0201", zong, dan, duo, pan, fen);
        else if (which == "empty")
            app.dm()->GetItemCnt("02", "0202", zong, dan, duo, pan, fen);
        else if (which == "essentials")
            app.dm()->GetJHItemCnt(zong, dan, duo, pan, fen);
        else
            app.dm()->GetCTItemCnt(zong, dan, duo, pan, fen, "20261201");
        QCOMPARE((QList<int>{zong, dan, duo, pan, fen}), expected);
    }

    void essentialsCarryTheirChapterAndCourse()
    {
        TestApp app;
        // A chapter whose course is not in the bank: its question comes without names.
        app.scalar("insert into tabZhangJie values('0901', '孤立章节', '09', '1')");
        app.scalar("update tabItem set Z_ID = '0901' where I_ID = '0201-003'");
        app.scalar("update tabItem set I_FAV = 1 where I_ID in ('0101-001', '0201-002', '0201-003', '0201-004')");
        app.dm()->GetJHItemList();
        // The table's own order, across types.
        QCOMPARE(entryIds(), (QStringList{"0201-002", "0201-003", "0201-004", "0101-001"}));
        QCOMPARE(ItemList[3]->KeChengName, QStringLiteral("财经法规与会计职业道德"));
        QCOMPARE(ItemList[3]->KeChengID, QStringLiteral("01"));
        QCOMPARE(ItemList[3]->ZhangJieName, QStringLiteral("第一章 会计法律制度"));
        QCOMPARE(ItemList[3]->ZhangJieID, QStringLiteral("0101"));
        QCOMPARE(ItemList[0]->ZhangJieName, QStringLiteral("第一章 总论"));
        QCOMPARE(ItemList[1]->ZhangJieID, QStringLiteral("0901"));
        QVERIFY(ItemList[1]->ZhangJieName.isEmpty() && ItemList[1]->KeChengID.isEmpty()
                && ItemList[1]->KeChengName.isEmpty());
    }

    void wrongAnswerLogAcrossAYearBoundary_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("last day of the year") << "20261231" << QStringList{"0201-001", "0201-002", "0201-002"};
        QTest::newRow("first day of the next") << "20270101" << QStringList{"0201-002", "0201-002"};
        QTest::newRow("future") << "20300101" << QStringList{};
    }
    void wrongAnswerLogAcrossAYearBoundary()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, ids);
        TestApp app;
        app.scalar("insert into tabErrItemHisLog values('20261231', '0201-001')");
        app.scalar("insert into tabErrItemHisLog values('20270101', '0201-002')");
        app.scalar("insert into tabErrItemHisLog values('20270102', '0201-002')");
        app.scalar("insert into tabErrItemHisLog values('20261130', '0201-003')");
        app.dm()->AddItem("0201", "1", 1, 0); // stale entries are dropped by the loader
        app.dm()->GetCTItemList(start);
        QCOMPARE(entryIds(), ids);
    }

    void logErrItem()
    {
        TestApp app;
        Clock::set(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        const auto loadAndLog = [&] {
            ItemList.clear();
            app.dm()->AddItem("0201", "1", 3, 0);
            app.dm()->AddItem("0201", "4", 1, 0);
            answer(0, "B", 0);    // wrong
            answer(1, "C", 100);  // right
            answer(3, "x", 0);    // calculation: two wrong entries of one question
            answer(4, "y", 0);
            app.dm()->LogErrItem();
        };
        const auto rows = [&](const QString &id) {
            return app.scalar("select count(*) from tabErrItemHisLog where ERR_I_ID = ?", {id}).toInt();
        };
        loadAndLog();
        loadAndLog(); // the same wrong answers twice on one day
        QCOMPARE(rows("0201-001"), 1);
        QCOMPARE(rows("0201-002"), 0);
        QCOMPARE(rows("0201-003"), 0); // unanswered is not wrong
        QCOMPARE(rows("0201-008"), 1); // one row per question and day, however many entries were wrong
        Clock::advance(24 * 3600);
        loadAndLog();
        QCOMPARE(rows("0201-001"), 2);
        QCOMPARE(app.scalar("select max(ERR_DATE) from tabErrItemHisLog").toString(), QStringLiteral("20261210"));
    }

    void updateFavStoresEachQuestionsFlag()
    {
        TestApp app;
        app.dm()->AddItem("0201", "1", 1, 0);
        app.dm()->AddItem("0201", "4", 1, 0); // three entries of 0201-008, flagged alike
        ItemList[0]->ItemFav = true;
        for (int i = 1; i <= 3; ++i)
            ItemList[i]->ItemFav = true;
        app.dm()->UpdateFav();
        QCOMPARE(app.scalar("select I_FAV from tabItem where I_ID = '0201-001'").toInt(), 1);
        QCOMPARE(app.scalar("select I_FAV from tabItem where I_ID = '0201-008'").toInt(), 1);
        // Only the flag that changed is written.
        app.scalar("create table written(id)");
        app.scalar("create trigger count_writes after update on tabItem begin insert into written values(new.I_ID); end");
        ItemList[0]->ItemFav = false;
        app.dm()->UpdateFav();
        QCOMPARE(app.scalar("select I_FAV from tabItem where I_ID = '0201-001'").toInt(), 0);
        QCOMPARE(app.scalar("select count(*) from tabItem where I_FAV <> 0").toInt(), 1);
        QCOMPARE(app.scalar("select group_concat(id) from written").toString(), QStringLiteral("0201-001"));
    }

    // Reviewing the log and answering wrongly again must not make the log grow.
    void repeatedReviewsKeepTheLogStable_data()
    {
        QTest::addColumn<QStringList>("days");     // days the question is logged before the reviews
        QTest::addColumn<QString>("question");
        QTest::addColumn<QList<int>>("wrongSubs"); // kind45Index of the entries answered wrongly
        QTest::newRow("plain, one day") << QStringList{"20261201"} << "0201-002" << QList<int>{1};
        QTest::newRow("plain, several days") << QStringList{"20261201", "20261203", "20261205"} << "0201-002"
                                             << QList<int>{1};
        QTest::newRow("calculation, one sub wrong") << QStringList{"20261201"} << "0201-008" << QList<int>{2};
        QTest::newRow("calculation, some wrong") << QStringList{"20261201", "20261202"} << "0201-008"
                                                 << QList<int>{1, 4};
        QTest::newRow("calculation, all wrong") << QStringList{"20261201"} << "0201-008" << QList<int>{1, 2, 4};
        QTest::newRow("case") << QStringList{"20261201", "20261204"} << "0101-003" << QList<int>{1, 2, 3};
    }
    void repeatedReviewsKeepTheLogStable()
    {
        QFETCH(QStringList, days);
        QFETCH(QString, question);
        QFETCH(QList<int>, wrongSubs);
        TestApp app;
        for (const QString &day : days)
            app.scalar("insert into tabErrItemHisLog values(?, ?)", {day, question});
        Clock::set(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        QList<int> rows;
        for (int review = 0; review < 4; ++review) {
            ItemList.clear();
            app.dm()->GetCTItemList("20231215"); // "所有错题"
            int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
            app.dm()->GetCTItemCnt(zong, dan, duo, pan, fen, "20231215");
            // The list holds the question once per logged day, with all its entries.
            QCOMPARE(int(QuestionStarts().size()), zong);
            for (int i = 0; i < ItemList.count(); ++i)
                if (wrongSubs.contains(ItemList[i]->kind45Index))
                    answer(i, "X", 0);
            app.dm()->LogErrItem();
            rows << app.scalar("select count(*) from tabErrItemHisLog").toInt();
        }
        // The days before, and today once.
        QCOMPARE(rows, (QList<int>{int(days.size()) + 1, int(days.size()) + 1, int(days.size()) + 1,
                                   int(days.size()) + 1}));
    }

    // Older banks hold several rows per question and day: the list and the count take one.
    void duplicateLogRowsCountOnce()
    {
        TestApp app;
        for (int i = 0; i < 3; ++i)
            app.scalar("insert into tabErrItemHisLog values('20261201', '0201-008')");
        app.scalar("insert into tabErrItemHisLog values('20261202', '0201-008')");
        app.dm()->GetCTItemList("20261201");
        QCOMPARE(entryIds(), (QStringList{"0201-008", "0201-008", "0201-008", "0201-008", "0201-008", "0201-008"}));
        QCOMPARE(subIndexes(), (QList<int>{1, 2, 4, 1, 2, 4}));
        int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
        app.dm()->GetCTItemCnt(zong, dan, duo, pan, fen, "20261201");
        QCOMPARE(fen, 2);
        QCOMPARE(zong, 2);
    }

    // The end of a run: history row, flags and log land together or not at all.
    void runEndIsOneTransaction_data()
    {
        QTest::addColumn<QString>("failingTrigger");
        QTest::newRow("history row") << "create trigger boom before insert on tabTestHis "
                                        "begin select raise(abort, 'disk full'); end";
        QTest::newRow("flags") << "create trigger boom before update on tabItem "
                                  "begin select raise(abort, 'disk full'); end";
        QTest::newRow("log delete") << "create trigger boom before delete on tabErrItemHisLog "
                                       "begin select raise(abort, 'disk full'); end";
        QTest::newRow("log insert") << "create trigger boom before insert on tabErrItemHisLog "
                                       "begin select raise(abort, 'disk full'); end";
    }
    void runEndIsOneTransaction()
    {
        QFETCH(QString, failingTrigger);
        TestApp app;
        // Two rows of one question today, as older banks wrote them: replaced by one on the way.
        for (int i = 0; i < 2; ++i)
            app.scalar("insert into tabErrItemHisLog values('20261210', '0201-001')");
        app.dm()->AddItem("0201", "1", 3, 0);
        for (int i = 0; i < 3; ++i) {
            ItemList[i]->ItemFav = true;
            answer(i, "D", 0);
        }
        Clock::set(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        app.scalar(failingTrigger);
        const auto end = [&] {
            app.dm()->inTransaction([&] {
                app.dm()->InsertTestInfo("20261210090000", "0", "3", "3", "0", "00:01:00", "章节练习", "会计基础",
                                         "第一章", 0);
                app.dm()->UpdateFav();
                app.dm()->LogErrItem();
            });
        };
        QVERIFY_THROWS_EXCEPTION(StoreError, end());
        QCOMPARE(app.scalar("select count(*) from tabTestHis").toInt(), 0);
        QCOMPARE(app.scalar("select count(*) from tabItem where I_FAV <> 0").toInt(), 0);
        QCOMPARE(app.scalar("select count(*) from tabErrItemHisLog").toInt(), 2);
        // The data module goes on working: a later end without the fault stores it whole.
        app.scalar("drop trigger boom");
        end();
        QCOMPARE(app.scalar("select count(*) from tabTestHis").toInt(), 1);
        QCOMPARE(app.scalar("select count(*) from tabItem where I_FAV <> 0").toInt(), 3);
        QCOMPARE(app.scalar("select count(*) from tabErrItemHisLog").toInt(), 3);
    }

    void unwritableBankIsFoundAndReported_data()
    {
        QTest::addColumn<bool>("readOnlyFile");
        QTest::newRow("read-only file") << true;
        QTest::newRow("a bank marked read-only") << false;
    }
    void unwritableBankIsFoundAndReported()
    {
        QFETCH(bool, readOnlyFile);
        TestApp app;
        QVERIFY(app.dm()->writeProblem().isEmpty());
        QCOMPARE(app.scalar("select count(*) from sqlite_master where name like 'acctprep%'").toInt(), 0);

        TestApp bad;
        if (readOnlyFile) {
            QFile::setPermissions(bad.databaseFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            if (QFileInfo(bad.databaseFile()).isWritable())
                QSKIP("this user can write any file");
        } else {
            // A write version above 2 in the file header: SQLite reads the bank but will not
            // write it, whoever runs the program.
            QFile file(bad.databaseFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(18));
            QVERIFY(file.putChar(char(3)));
        }
        TDataModuleMain dm(bad.databaseFile());
        const QString problem = dm.writeProblem();
        QVERIFY(problem.contains(QDir::toNativeSeparators(bad.databaseFile())));
        QVERIFY(problem.contains(QStringLiteral("学习记录无法保存")));
        dm.GetKeChengInfo(); // reading still works
        QCOMPARE(KeChengList.count(), 2);
        try {
            dm.InsertTestInfo("1", "0", "0", "0", "0", "00:00:00", "章节练习", "", "", 0);
            QFAIL("an unwritable bank took a write");
        } catch (const StoreError &e) {
            QCOMPARE(e.message(), problem);
        }
    }

    // A bank made before the essentials and log indexes gets them when it is opened, and loses
    // the old log index; a bank the program cannot write is left as it is and still lists.
    void olderBankGetsItsIndexes_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable bank") << true;
        QTest::newRow("bank marked read-only") << false;
    }
    void olderBankGetsItsIndexes()
    {
        QFETCH(bool, writable);
        TestApp app;
        const auto indexes = [&] {
            QStringList names;
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(app.databaseFile());
            if (db.open()) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("select name from sqlite_master where type = 'index' and name like 'idx%' order by name"));
                while (q.next())
                    names << q.value(0).toString();
            }
            return names;
        };
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(app.databaseFile());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("drop index idxItemFav")));
            QVERIFY(q.exec(QStringLiteral("drop index idxErrLogDay")));
            QVERIFY(q.exec(QStringLiteral("create index idxErrLog on tabErrItemHisLog (ERR_I_ID, ERR_DATE)")));
            QVERIFY(q.exec(QStringLiteral("update tabItem set I_FAV = 1 where I_ID = '0201-002'")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        const QStringList before = indexes();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        if (!writable) {
            QFile file(app.databaseFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(18)); // file format write version above 2: SQLite will not write
            QVERIFY(file.putChar(char(3)));
        }

        int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
        {
            TDataModuleMain dm(app.databaseFile());
            dm.GetJHItemCnt(zong, dan, duo, pan, fen);
            dm.GetJHItemList();
        }

        QCOMPARE(zong, 1);
        QCOMPARE(entryIds(), QStringList{"0201-002"});
        const QStringList after = indexes();
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        if (writable) {
            QVERIFY(after.contains("idxItemFav"));
            QVERIFY(after.contains("idxErrLogDay"));
            QVERIFY(!after.contains("idxErrLog"));
        } else {
            QCOMPARE(after, before);
        }
    }

    void olderHistoryGetsItsScoreColumns_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable bank") << true;
        QTest::newRow("bank marked read-only") << false;
    }
    // A history of an older version keeps full marks and points earned from now on; its own
    // rows, and the rows of a bank that cannot be written, read without them.
    void olderHistoryGetsItsScoreColumns()
    {
        QFETCH(bool, writable);
        TestApp app;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(app.databaseFile());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("drop table tabTestHis")));
            QVERIFY(q.exec(QStringLiteral("create table tabTestHis (TEST_ID TEXT PRIMARY KEY, TEST_TRUE TEXT, "
                                          "TEST_FALSE TEXT, TEST_HAVDO TEXT, TEST_NOTDO TEXT, TEST_TIME TEXT, "
                                          "TEST_TYPE TEXT, TEST_SCORE INTEGER, TEST_KeCheng TEXT, TEST_ZhangJie TEXT)")));
            QVERIFY(q.exec(QStringLiteral("insert into tabTestHis values('20130305093015', '8', '2', '10', '2', "
                                          "'00:10:00', '章节练习', 8, '会计基础', '第一章')")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        if (!writable) {
            QFile file(app.databaseFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(18));
            QVERIFY(file.putChar(char(3)));
        }
        TDataModuleMain dm(app.databaseFile());
        if (writable)
            dm.InsertTestInfo("20261209100000", "1", "0", "1", "61", "00:20:00", "模拟考试", "会计基础", "模拟试卷一", 1,
                              10000, 100);
        XueXiLogList.clear();
        dm.GetXueXiLog();
        QCOMPARE(XueXiLogList.count(), writable ? 2 : 1);
        const TXueXiLog *older = XueXiLogList[XueXiLogList.count() - 1];
        QCOMPARE(older->T_true, QStringLiteral("8"));
        QVERIFY(older->T_manfen.isEmpty() && older->T_defen.isEmpty());
        if (writable) {
            QCOMPARE(XueXiLogList[0]->T_manfen, QStringLiteral("10000"));
            QCOMPARE(XueXiLogList[0]->T_defen, QStringLiteral("100"));
        }
        XueXiLogList.clear();
    }

    // What the data module reads it reads to the end or lets go: another connection (a second
    // copy of the program) can write the bank at once afterwards.
    void readsLeaveTheBankFree_data()
    {
        QTest::addColumn<QString>("read");
        QTest::newRow("stored login") << "ShowLogin";
        QTest::newRow("login check") << "ValidLogin";
        QTest::newRow("essentials") << "GetJHItemList";
    }
    void readsLeaveTheBankFree()
    {
        QFETCH(QString, read);
        TestApp app;
        app.scalar("insert into tabUserLogin values('甲', 'pw')");
        app.scalar("insert into tabUserLogin values('乙', 'pw')");
        app.scalar("update tabItem set I_FAV = 1");
        if (read == "ShowLogin")
            QVERIFY(app.dm()->ShowLogin());
        else if (read == "ValidLogin")
            QVERIFY(app.dm()->ValidLogin("甲", "pw"));
        else
            app.dm()->GetJHItemList();

        // A read left open would hold its lock: the other connection would wait five seconds
        // for it and then fail.
        TDataModuleMain other(app.databaseFile());
        try {
            other.InsertTestInfo("20261210090000", "1", "0", "1", "0", "00:01:00", "章节练习", "会计基础", "第一章", 1);
        } catch (const StoreError &e) {
            QFAIL(qPrintable(e.message()));
        }
        QCOMPARE(app.scalar("select count(*) from tabTestHis").toInt(), 1);
    }

    void insertTestInfoReplacesAndKeepsOnFailure()
    {
        TestApp app;
        const auto store = [&](const QString &right, const QString &type) {
            app.dm()->InsertTestInfo("20261209100000", right, "1", "3", "0", "00:05:00", type, "会计基础",
                                     "第一章", 3);
        };
        store("2", "章节练习");
        store("3", "章节练习");
        QCOMPARE(app.scalar("select count(*) from tabTestHis").toInt(), 1);
        QCOMPARE(app.scalar("select TEST_TRUE from tabTestHis").toString(), QStringLiteral("3"));
        app.scalar("create trigger failHis before insert on tabTestHis when NEW.TEST_TYPE = 'boom' "
                   "begin select raise(abort, 'disk full'); end");
        QVERIFY_THROWS_EXCEPTION(StoreError, store("9", "boom"));
        QCOMPARE(app.scalar("select TEST_TRUE from tabTestHis where TEST_ID = '20261209100000'").toString(),
                 QStringLiteral("3"));
    }

    void historyNewestFirstAndDelete()
    {
        TestApp app;
        for (const char *id : {"20261201080000", "20261209100000", "20130305093015"})
            app.dm()->InsertTestInfo(QString::fromLatin1(id), "8", "2", "10", "0", "00:10:00", "模拟考试", "会计基础",
                                     "模拟试卷一", 45);
        app.dm()->GetXueXiLog();
        QCOMPARE(XueXiLogList.count(), 3);
        QCOMPARE(XueXiLogList.text(0), QStringLiteral("20261209100000"));
        QCOMPARE(XueXiLogList[2]->T_ID, QStringLiteral("20130305093015"));
        QCOMPARE(XueXiLogList[0]->T_score, QStringLiteral("45"));
        QCOMPARE(XueXiLogList[0]->T_type, QStringLiteral("模拟考试"));
        app.dm()->GetXueXiLog(); // appends again: the caller empties the list
        QCOMPARE(XueXiLogList.count(), 6);
        XueXiLogList.clear();
        app.dm()->DeleteXueXiLog();
        app.dm()->GetXueXiLog();
        QVERIFY(XueXiLogList.isEmpty());
    }

    void loginOperations()
    {
        TestApp app;
        QVERIFY(!app.dm()->ShowLogin());
        app.dm()->SetLogin(1, "甲", "1'; --");
        app.dm()->SetLogin(1, "乙", "pw");
        QVERIFY(app.dm()->ShowLogin());
        QCOMPARE(UID, QStringLiteral("乙"));
        QCOMPARE(app.scalar("select count(*) from tabUserLogin").toInt(), 1);
        app.dm()->SetLogin(7, "", ""); // any other mode does nothing
        QVERIFY(app.dm()->ValidLogin("乙", "pw"));
        app.dm()->SetLogin(0, "", "");
        QVERIFY(!app.dm()->ShowLogin());
        QVERIFY(UID.isEmpty() && PWD.isEmpty());
    }

    // A bank written by another tool may hold any score; the hundredths must not overflow.
    void storedScoresOutsideTheRange_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("itemScore");
        QTest::newRow("in range") << QVariant(7) << 700;
        QTest::newRow("the most") << QVariant(1000) << 100000;
        QTest::newRow("negative") << QVariant(-5) << 0;
        QTest::newRow("past int after x100") << QVariant(1000000000) << 100000;
        QTest::newRow("past 64 bits") << QVariant(1e30) << 100000;
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << 0;
    }
    void storedScoresOutsideTheRange()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, itemScore);
        TestApp app;
        app.scalar("update tabItem set I_SCORE = ? where I_ID = '0201-001'", {stored});
        app.scalar("update tabExItem set EX_SCORE = ?", {stored});
        app.dm()->AddItem("0201", "1", 1, 0);
        QCOMPARE(ItemList[0]->ItemScore, itemScore);
        ItemList.clear();
        app.dm()->AddItem("0101", "5", 1, 0);
        QVERIFY(ItemList.count() > 0);
        for (int i = 0; i < ItemList.count(); ++i)
            QCOMPARE(ItemList[i]->ItemScore, itemScore);
    }

    void nullTextsReadAsEmpty()
    {
        TestApp app;
        app.scalar("update tabItem set I_ANSWER_DESC = NULL, I_PIC = NULL where I_ID = '0201-001'");
        app.dm()->AddItem("0201", "1", 1, 0);
        QVERIFY(ItemList[0]->ItemDesc.isEmpty());
        QVERIFY(ItemList[0]->ItemPic.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
