// The program installed like a desktop application: its files where the desktop looks for
// them, the learner's own copy of the shipped bank (made, renewed with the records carried
// over, never at the cost of the shipped bank or of a record), the command line, and the
// installed program started for real.
#include "app/AppFiles.h"
#include "app/Startup.h"
#include "core/AppPath.h"
#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/BankRecords.h"
#include "store/UnitDM.h"
#include "store/UserBank.h"
#include "tests/fixtures/TestBank.h"
#include "ui/login/UnitLogin.h"
#include "ui/practice/UnitZhangJie.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QProcess>
#include <QSqlQuery>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QVariant scalar(const QString &file, const QString &sql)
{
    TDataModuleMain dm(file);
    dm.setReadOnly(QStringLiteral("test"));
    QSqlQuery query(dm.database());
    if (!query.exec(sql) || !query.next())
        return QVariant();
    return query.value(0);
}

void writeBank(const QString &file, const std::function<void(BankWriter &)> &more = {})
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile::remove(file);
    BankWriter bank(file);
    TestApp::standardBank(bank);
    if (more)
        more(bank);
    bank.commit();
}

// A newer bank: the standard one and one more question.
void newerBank(BankWriter &bank)
{
    bank.addQuestion(TestApp::choice(QStringLiteral("0201-009"), QStringLiteral("0201"), QStringLiteral("1"),
                                     QStringLiteral("D"), 1));
}

QStringList backupsIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("sys-*.db")}, QDir::Files);
}

// An installed tree made by hand: PREFIX/bin (the program's folder) and PREFIX/share/acctprep
// with the shipped bank, and a home for the learner's copy.
struct InstalledTree
{
    QTemporaryDir root;
    QString bin() const { return root.filePath(QStringLiteral("usr/bin")); }
    QString share() const { return QDir::cleanPath(QDir(bin()).filePath(QStringLiteral(ACCTPREP_DATA_FROM_BIN))); }
    QString shipped() const { return share() + QStringLiteral("/Data/sys.db"); }
    QString userFolder() const { return root.filePath(QStringLiteral("home/.local/share/AcctPrep")); }
    QString userCopy() const { return UserBank::fileIn(userFolder()); }

    explicit InstalledTree(bool withBank = true)
    {
        QDir().mkpath(bin());
        QDir().mkpath(share() + QStringLiteral("/image"));
        QDir().mkpath(share() + QStringLiteral("/html"));
        QDir().mkpath(share() + QStringLiteral("/Data"));
        if (withBank)
            writeBank(shipped());
    }

    // A start of the program as installed, up to its windows; returns the exit code.
    int start(const QString &bankOption = QString(), const QString &userFolderOverride = QString())
    {
        const AppFiles files = FindAppFiles(bin());
        const QString folder = userFolderOverride.isEmpty() ? userFolder() : userFolderOverride;
        return RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), files.applicationDir, false,
                           [&] { return ChooseBank(files, bankOption, folder); });
    }
};

// A practice run on chapter 0201 ended through the practice window: 0201-001 answered right
// and flagged essential, 0201-002 answered wrong.
void endPracticeRun(TDataModuleMain *dm)
{
    TfrmZhangJie w(dm);
    Clock::set(QDateTime(QDate(2026, 3, 5), QTime(9, 8, 7)));
    w.LXMode = QStringLiteral("First");
    w.KeChengName = QStringLiteral("会计基础");
    w.ZhangJieID = QStringLiteral("0201");
    w.ZhangJieName = QStringLiteral("第一章 总论");
    w.DanXunCnt = 3;
    w.DuoXuanCnt = 2;
    w.PanDuanCnt = 2;
    w.FenXiCnt = 1;
    w.InitItemList();
    w.StartTime = Clock::now();
    w.Test_ID = QStringLiteral("20260305090807");
    Modal::setHandler([&](QDialog *) {
        w.findChild<QCheckBox *>(QStringLiteral("cbA"))->click(); // 0201-001 right
        w.sbFAVClick();
        w.sbNextClick();
        w.findChild<QCheckBox *>(QStringLiteral("cbA"))->click(); // 0201-002 wrong
        Clock::advance(60);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        w.SpeedButton8Click();
    });
    Modal::show(&w);
    Modal::clearHandler();
    MessageBox::clearShown(); // the confirmation of the end
}

QProcessEnvironment installedEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "QT_QPA_PLATFORM", "DISPLAY",
                             "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));
    return env;
}

}

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix; // the real installation, made once
    QString m_installed() const { return m_prefix.filePath(QStringLiteral("usr")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QProcess install;
        install.start(QStringLiteral(CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), m_installed()});
        QVERIFY(install.waitForFinished(300000));
        QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
                 install.readAllStandardError().constData());
    }

    void init()
    {
        EnterTestMode();
    }

    void cleanup()
    {
        MessageBox::clearShown();
        Modal::clearHandler();
        Clock::reset();
    }

    // ---- the learner's copy, through the start-up sequence --------------------------------

    void firstStartMakesCopyAndRunIsStoredThere()
    {
        InstalledTree tree;
        const QByteArray shipped = fileBytes(tree.shipped());
        QVERIFY(!QFileInfo::exists(tree.userFolder()));

        QCOMPARE(tree.start(), 0);
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(QFileInfo(tree.userCopy()).isFile());
        QCOMPARE(ApplicationDir, tree.share());

        {
            TDataModuleMain dm(tree.userCopy());
            DataModuleMain = &dm;
            endPracticeRun(&dm);
            DataModuleMain = nullptr;
        }
        QCOMPARE(scalar(tree.userCopy(), "select count(*) from tabTestHis").toInt(), 1);
        QCOMPARE(scalar(tree.userCopy(), "select I_FAV from tabItem where I_ID = '0201-001'").toInt(), 1);
        QCOMPARE(scalar(tree.userCopy(), "select ERR_I_ID from tabErrItemHisLog").toString(), QStringLiteral("0201-002"));
        QCOMPARE(fileBytes(tree.shipped()), shipped);

        // The next start works on the same copy: the run is still there, nothing renewed.
        QCOMPARE(tree.start(), 0);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(scalar(tree.userCopy(), "select count(*) from tabTestHis").toInt(), 1);
        QVERIFY(backupsIn(tree.userFolder()).isEmpty());
    }

    void newerShippedBankCarriesRecordsOver()
    {
        InstalledTree tree;
        QCOMPARE(tree.start(), 0);
        {
            TDataModuleMain dm(tree.userCopy());
            DataModuleMain = &dm;
            endPracticeRun(&dm);
            dm.SetLogin(1, QStringLiteral("li"), QStringLiteral("pw"));
            DataModuleMain = nullptr;
        }
        const QByteArray before = fileBytes(tree.userCopy());
        bool loginAsked = false;
        Modal::setHandler([&](QDialog *dialog) {
            if (auto *login = qobject_cast<TfrmLogin *>(dialog)) {
                loginAsked = true;
                login->edtUser->setText(QStringLiteral("li"));
                login->edtPwd->setText(QStringLiteral("pw"));
                login->Button1->click();
            }
        });

        // The same content built again (every text enciphered anew) is no newer bank.
        writeBank(tree.shipped());
        QCOMPARE(tree.start(), 0);
        QCOMPARE(fileBytes(tree.userCopy()), before);
        QVERIFY(backupsIn(tree.userFolder()).isEmpty());

        writeBank(tree.shipped(), newerBank);
        const QByteArray shipped = fileBytes(tree.shipped());
        loginAsked = false;
        QCOMPARE(tree.start(), 0);
        QVERIFY(loginAsked); // the carried login guards the new copy too
        QCOMPARE(MessageBox::shown().size(), 1); // the renewal, said once
        MessageBox::clearShown();
        const QString copy = tree.userCopy();
        QCOMPARE(scalar(copy, "select count(*) from tabItem where I_ID = '0201-009'").toInt(), 1);
        QCOMPARE(scalar(copy, "select TEST_ID from tabTestHis").toString(), QStringLiteral("20260305090807"));
        QCOMPARE(scalar(copy, "select ERR_I_ID from tabErrItemHisLog").toString(), QStringLiteral("0201-002"));
        QCOMPARE(scalar(copy, "select UserName from tabUserLogin").toString(), QStringLiteral("li"));
        QCOMPARE(scalar(copy, "select I_FAV from tabItem where I_ID = '0201-001'").toInt(), 1);
        QCOMPARE(fileBytes(tree.shipped()), shipped);
        QVERIFY(!QFileInfo::exists(copy + QStringLiteral(".part")));

        const QStringList backups = backupsIn(tree.userFolder());
        QCOMPARE(backups.size(), 1);
        QCOMPARE(fileBytes(QDir(tree.userFolder()).filePath(backups.first())), before);

        // Renewed once: the next start finds its copy made from this bank, and says nothing.
        QCOMPARE(tree.start(), 0);
        QCOMPARE(backupsIn(tree.userFolder()).size(), 1);
        QVERIFY(MessageBox::shown().isEmpty());
        Modal::clearHandler();
    }

    // A learner who starts from the menu sees no standard error: a renewal is said in a box,
    // once, naming the copy and where the old one went. The shipped bank may also be older
    // than the copy (a package taken back), so the text never calls it the newer one.
    void renewalIsToldOnceWhicheverWayTheBankChanged_data()
    {
        QTest::addColumn<bool>("shippedIsNewer");
        QTest::newRow("newer bank installed") << true;
        QTest::newRow("older bank installed") << false;
    }
    void renewalIsToldOnceWhicheverWayTheBankChanged()
    {
        QFETCH(bool, shippedIsNewer);
        InstalledTree tree;
        if (!shippedIsNewer)
            writeBank(tree.shipped(), newerBank);
        QCOMPARE(tree.start(), 0);
        QVERIFY(MessageBox::shown().isEmpty()); // the first copy is no news
        if (shippedIsNewer)
            writeBank(tree.shipped(), newerBank);
        else
            writeBank(tree.shipped());

        QCOMPARE(tree.start(), 0);
        const QStringList backups = backupsIn(tree.userFolder());
        QCOMPARE(backups.size(), 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto told = MessageBox::shown().first();
        QCOMPARE(told.caption, QStringLiteral("提示"));
        QVERIFY2(told.text.contains(QDir::toNativeSeparators(tree.userCopy())), qPrintable(told.text));
        QVERIFY2(told.text.contains(backups.first()), qPrintable(told.text));
        QVERIFY2(told.text.contains(QStringLiteral("学习记录都已保留")), qPrintable(told.text));
        QVERIFY2(!told.text.contains(QStringLiteral("新版")), qPrintable(told.text));
        QCOMPARE(scalar(tree.userCopy(), "select count(*) from tabItem where I_ID = '0201-009'").toInt(),
                 shippedIsNewer ? 1 : 0);

        MessageBox::clearShown();
        QCOMPARE(tree.start(), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // Backups do not pile up over years of updates: a renewal leaves the newest few, and files
    // the program did not name are not its to remove.
    void renewalKeepsTheNewestBackups()
    {
        InstalledTree tree;
        QCOMPARE(tree.start(), 0);
        const QDir folder(tree.userFolder());
        const QStringList older{"sys-20240101-080000.db", "sys-20250101-080000.db", "sys-20250101-080000-1.db",
                                "sys-20260101-080000.db"};
        const QStringList others{"sys-mine.db", "notes.txt"};
        for (const QString &name : older + others) {
            QFile f(folder.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        writeBank(tree.shipped(), newerBank);
        QCOMPARE(tree.start(), 0);
        QStringList left = folder.entryList(QDir::Files);
        left.removeAll(QStringLiteral("sys.db"));
        left.removeAll(QStringLiteral("sys.db.lock"));
        // The renewal's own backup and the two newest of before, and the files of others.
        QCOMPARE(left.size(), 3 + others.size());
        QVERIFY(left.contains(QStringLiteral("sys-20260101-080000.db")));
        QVERIFY(left.contains(QStringLiteral("sys-20250101-080000-1.db")));
        QVERIFY(!left.contains(QStringLiteral("sys-20250101-080000.db")));
        QVERIFY(!left.contains(QStringLiteral("sys-20240101-080000.db")));
        for (const QString &name : others)
            QVERIFY(left.contains(name));
    }

    // A renewal that cannot finish leaves the copy as it was, says so, and tries again later.
    void failedRenewalKeepsTheCopy()
    {
        InstalledTree tree;
        QCOMPARE(tree.start(), 0);
        {
            TDataModuleMain dm(tree.userCopy());
            DataModuleMain = &dm;
            endPracticeRun(&dm);
            DataModuleMain = nullptr;
        }
        const QByteArray before = fileBytes(tree.userCopy());
        writeBank(tree.shipped(), newerBank);
        // Something in the way of the new copy that the program cannot remove, even as root.
        QVERIFY(QDir().mkpath(tree.userCopy() + QStringLiteral(".part/in-the-way")));

        QCOMPARE(tree.start(), 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shown().first().text.contains(QStringLiteral("新版题库未能转入")),
                 qPrintable(MessageBox::shown().first().text));
        QCOMPARE(fileBytes(tree.userCopy()), before);
        QVERIFY(backupsIn(tree.userFolder()).isEmpty());

        QVERIFY(QDir(tree.userCopy() + QStringLiteral(".part")).removeRecursively());
        MessageBox::clearShown();
        QCOMPARE(tree.start(), 0);
        QCOMPARE(MessageBox::shown().size(), 1); // now renewed, and said so
        QVERIFY(!MessageBox::shown().first().text.contains(QStringLiteral("未能")));
        QCOMPARE(scalar(tree.userCopy(), "select count(*) from tabItem where I_ID = '0201-009'").toInt(), 1);
        QCOMPARE(scalar(tree.userCopy(), "select count(*) from tabTestHis").toInt(), 1);
    }

    // No copy can be made (the data folder's place is taken by a file): the learner reads and
    // practises on the shipped bank, is told once that nothing is saved, and nothing is written.
    void noCopyPossibleReadsShippedBankOnly()
    {
        InstalledTree tree;
        const QString blocked = tree.root.filePath(QStringLiteral("home-is-a-file"));
        {
            QFile f(blocked);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QByteArray shipped = fileBytes(tree.shipped());
        const QString folder = blocked + QStringLiteral("/AcctPrep");
        QCOMPARE(tree.start(QString(), folder), 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().first().text.contains(QDir::toNativeSeparators(folder)));
        QVERIFY(MessageBox::shown().first().text.contains(QStringLiteral("不会被保存")));

        const StartupBank bank = ChooseBank(FindAppFiles(tree.bin()), QString(), folder);
        QCOMPARE(bank.file, tree.shipped());
        TDataModuleMain dm(bank.file);
        dm.setReadOnly(bank.readOnlyReason);
        QVERIFY_THROWS_EXCEPTION(StoreError, dm.SetLogin(1, QStringLiteral("li"), QStringLiteral("pw")));
        QCOMPARE(fileBytes(tree.shipped()), shipped);
    }

    void brokenBanksStopStartUp_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("cause");
        QTest::newRow("shipped bank missing") << "shipped-missing" << "文件不存在";
        QTest::newRow("shipped bank not a bank") << "shipped-garbage" << "不是有效的题库数据库";
        QTest::newRow("learner's copy not a bank") << "copy-garbage" << "不是有效的题库数据库";
    }
    void brokenBanksStopStartUp()
    {
        QFETCH(QString, which);
        QFETCH(QString, cause);
        InstalledTree tree(which != "shipped-missing");
        const QByteArray garbage = QByteArray("not a database, just text\n").repeated(100);
        QString named = tree.shipped();
        if (which == "shipped-garbage") {
            QFile f(tree.shipped());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage);
        } else if (which == "copy-garbage") {
            QVERIFY(QDir().mkpath(tree.userFolder()));
            QFile f(tree.userCopy());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage);
            named = tree.userCopy();
        }
        QCOMPARE(tree.start(), 2);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shown().first().text.contains(QDir::toNativeSeparators(named)),
                 qPrintable(MessageBox::shown().first().text));
        QVERIFY2(MessageBox::shown().first().text.contains(cause), qPrintable(MessageBox::shown().first().text));
        if (which == "copy-garbage") { // the learner's file is theirs: left exactly as it was
            QCOMPARE(fileBytes(tree.userCopy()), garbage);
            QVERIFY(backupsIn(tree.userFolder()).isEmpty());
        } else {
            QVERIFY(!QFileInfo::exists(tree.userCopy()));
        }
    }

    // ---- --bank and the build folder -------------------------------------------------------

    void bankOptionThatIsNoBankFailsAndCreatesNothing_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("not a bank") << true;
    }
    void bankOptionThatIsNoBankFailsAndCreatesNothing()
    {
        QFETCH(bool, exists);
        InstalledTree tree;
        const QString file = tree.root.filePath(QStringLiteral("teacher/bank.db"));
        if (exists) {
            QDir().mkpath(QFileInfo(file).absolutePath());
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("hello");
        }
        QCOMPARE(tree.start(file), 2);
        QCOMPARE(MessageBox::shown().size(), 1);
        const QString text = MessageBox::shown().first().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(file)), qPrintable(text));
        QVERIFY2(text.contains(exists ? QStringLiteral("不是有效的题库数据库") : QStringLiteral("文件不存在")), qPrintable(text));
        QCOMPARE(QFileInfo::exists(file), exists);
        QVERIFY(!QFileInfo::exists(tree.userFolder()));
    }

    void bankOptionOpensThatBankWithItsPictures()
    {
        InstalledTree tree;
        const QString file = tree.root.filePath(QStringLiteral("teacher/bank.db"));
        writeBank(file, newerBank);
        const StartupBank bank = ChooseBank(FindAppFiles(tree.bin()), file, tree.userFolder());
        QCOMPARE(bank.file, file);
        QCOMPARE(bank.pictureDir, tree.root.filePath(QStringLiteral("teacher")));
        QVERIFY(bank.readOnlyReason.isEmpty());
        QCOMPARE(tree.start(file), 0);
        QVERIFY(!QFileInfo::exists(tree.userFolder()));

        PictureDir = bank.pictureDir;
        QCOMPARE(PicturePath(QStringLiteral("q.png")), QDir::toNativeSeparators(tree.root.filePath(QStringLiteral("teacher/q.png"))));
        PictureDir.clear();
        QCOMPARE(PicturePath(QStringLiteral("q.png")), QDir::toNativeSeparators(ApplicationDir + QStringLiteral("/Data/q.png")));
    }

    // The learner's copy, and a backup of it, hold no pictures: opened with --bank they show
    // those of the shipped bank, as the copy does on a normal start. A bank that is no copy,
    // or no bank at all, keeps the folder it is in.
    void bankOptionOnTheLearnersCopyShowsTheShippedPictures()
    {
        InstalledTree tree;
        QCOMPARE(tree.start(), 0);
        writeBank(tree.shipped(), newerBank);
        QCOMPARE(tree.start(), 0); // renewed: the old copy kept as a backup
        const QStringList backups = backupsIn(tree.userFolder());
        QCOMPARE(backups.size(), 1);
        const QString shippedPictures = tree.share() + QStringLiteral("/Data");
        const AppFiles files = FindAppFiles(tree.bin());
        for (const QString &file : {tree.userCopy(), QDir(tree.userFolder()).filePath(backups.first())})
            QCOMPARE(ChooseBank(files, file, tree.userFolder()).pictureDir, shippedPictures);

        const QString plain = tree.root.filePath(QStringLiteral("elsewhere/sys.db"));
        writeBank(plain);
        QCOMPARE(ChooseBank(files, plain, tree.userFolder()).pictureDir, tree.root.filePath(QStringLiteral("elsewhere")));
        const QString missing = tree.root.filePath(QStringLiteral("nowhere/sys.db"));
        QCOMPARE(ChooseBank(files, missing, tree.userFolder()).pictureDir, tree.root.filePath(QStringLiteral("nowhere")));
        QVERIFY(!QFileInfo::exists(missing));

        MessageBox::clearShown();
        QCOMPARE(tree.start(tree.userCopy()), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // The program beside its own Data/sys.db (build/app) works in place, as it always has.
    void buildFolderWorksInPlace()
    {
        TestApp app; // a folder with Data/sys.db, as build/app
        QDir(app.dir()).mkpath(QStringLiteral(ACCTPREP_DATA_FROM_BIN));
        const AppFiles files = FindAppFiles(app.dir());
        QVERIFY(!files.installed);
        QCOMPARE(files.applicationDir, QDir::cleanPath(app.dir()));
        const QString folder = app.dir() + QStringLiteral("/home");
        const StartupBank bank = ChooseBank(files, QString(), folder);
        QVERIFY(bank.file.isEmpty());
        QVERIFY(bank.pictureDir.isEmpty());
        QCOMPARE(RunAcctPrep(*qobject_cast<QApplication *>(QCoreApplication::instance()), files.applicationDir, false,
                             [&] { return ChooseBank(files, QString(), folder); }),
                 0);
        QVERIFY(!QFileInfo::exists(folder));
    }

    // ---- what tells a newer bank ------------------------------------------------------------

    void identityFollowsContent()
    {
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.db")), b = dir.filePath(QStringLiteral("b.db")),
                      c = dir.filePath(QStringLiteral("c.db")), old = dir.filePath(QStringLiteral("old.db"));
        writeBank(a);
        writeBank(b);
        writeBank(c, newerBank);
        writeBank(old);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
            db.setDatabaseName(old);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("drop table tabBankInfo")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("older"));
        QVERIFY(fileBytes(a) != fileBytes(b)); // enciphered anew
        QCOMPARE(UserBank::identity(a), UserBank::identity(b));
        QVERIFY(UserBank::identity(a) != UserBank::identity(c));
        // A bank from an older tool has no stored identity: its bytes stand in.
        QCOMPARE(UserBank::identity(old),
                 QStringLiteral("file-sha256:")
                     + QString::fromLatin1(QCryptographicHash::hash(fileBytes(old), QCryptographicHash::Sha256).toHex()));
    }

    // ---- the real installation ---------------------------------------------------------------

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : {"bin/acctprep", "bin/qbank", "share/acctprep/Data/sys.db", "share/acctprep/image/Login.bmp",
                                 "share/acctprep/html/about.htm", "share/applications/" ACCTPREP_APP_ID ".desktop",
                                 "share/metainfo/" ACCTPREP_APP_ID ".metainfo.xml",
                                 "share/icons/hicolor/scalable/apps/" ACCTPREP_APP_ID ".svg",
                                 "share/man/man1/acctprep.1.gz", "share/man/man1/qbank.1.gz",
                                 "share/doc/acctprep/copyright", "share/doc/acctprep/changelog.gz",
                                 "share/doc/acctprep/FORMAT.md", "share/lintian/overrides/acctprep"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(QDir(m_installed()).filePath(path)).isFile(), qPrintable(path));
    }

    // Every plugin the build lays beside the program is installed where the installed program
    // looks for its plugins.
    void pluginsInstalledWhereTheProgramLooks()
    {
        const QStringList plugins = QDir(QStringLiteral(BUILD_DIR "/app")).entryList({QStringLiteral("*.so")}, QDir::Files);
        if (plugins.isEmpty())
            QSKIP("this build has no plugins");
        const QDir installed(QDir::cleanPath(m_installed() + QStringLiteral("/bin/" ACCTPREP_PLUGINS_FROM_BIN)));
        for (const QString &plugin : plugins)
            QVERIFY2(installed.exists(plugin), qPrintable(installed.filePath(plugin)));
    }

    void installedBankHoldsNoRecords()
    {
        const QString bank = QDir(m_installed()).filePath(QStringLiteral("share/acctprep/Data/sys.db"));
        for (const char *table : {"tabTestHis", "tabErrItemHisLog", "tabUserLogin"})
            QCOMPARE(scalar(bank, QStringLiteral("select count(*) from %1").arg(QLatin1String(table))).toInt(), 0);
        QVERIFY(!scalar(bank, "select Value from tabBankInfo where Name = 'ContentId'").toString().isEmpty());
    }

    void iconInEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void iconInEverySize()
    {
        QFETCH(int, size);
        const QImage icon(QDir(m_installed()).filePath(
            QStringLiteral("share/icons/hicolor/%1x%1/apps/" ACCTPREP_APP_ID ".png").arg(size)));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);                 // rounded corners
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255); // solid face
    }

    // The scalable icon is the same drawing as the pictures of fixed size.
    void scalableIconDrawsTheSameIcon()
    {
        const QString icons = QDir(m_installed()).filePath(QStringLiteral("share/icons/hicolor/"));
        QSvgRenderer svg(icons + QStringLiteral("scalable/apps/" ACCTPREP_APP_ID ".svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 256, 256));
        QImage drawn(256, 256, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        {
            QPainter p(&drawn);
            svg.render(&p);
        }
        const QImage png = QImage(icons + QStringLiteral("256x256/apps/" ACCTPREP_APP_ID ".png")).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png.size(), drawn.size());
        // Edges may be smoothed a little differently; the picture is the same.
        qint64 difference = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb a = drawn.pixel(x, y), b = png.pixel(x, y);
                difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b))
                              + qAbs(qAlpha(a) - qAlpha(b));
            }
        const double perPixel = double(difference) / (256 * 256);
        QVERIFY2(perPixel < 4, qPrintable(QString::number(perPixel)));
        QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(drawn.pixel(128, 128)), 255);
    }

    void versionAndHelpNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--version") << "--version" << QStringLiteral("AcctPrep " ACCTPREP_VERSION "\n");
        QTest::newRow("--help") << "--help" << QStringLiteral("--bank <FILE>");
    }
    void versionAndHelpNeedNoDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment env = installedEnvironment(home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // fails at once if a display is sought
        program.setProcessEnvironment(env);
        program.start(QDir(m_installed()).filePath(QStringLiteral("bin/acctprep")), {option});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(option == "--help" ? out.contains(expected) : out == expected, qPrintable(out));
        QVERIFY(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void wrongArgumentIsSaid()
    {
        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment env = installedEnvironment(home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(QDir(m_installed()).filePath(QStringLiteral("bin/acctprep")), {QStringLiteral("--bogus")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("bogus")) && err.contains(QStringLiteral("--help")), qPrintable(err));
        QVERIFY(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    // The installed program, started with a fresh home, finds its files from its own folder
    // and makes the learner's copy in ~/.local/share/AcctPrep; the shipped bank stays as it was.
    void installedProgramStartsAndMakesTheCopy()
    {
        QTemporaryDir home;
        const QString shipped = QDir(m_installed()).filePath(QStringLiteral("share/acctprep/Data/sys.db"));
        const QByteArray before = fileBytes(shipped);
        const QString copy = home.filePath(QStringLiteral(".local/share/AcctPrep/sys.db"));
        QProcess program;
        QProcessEnvironment env = installedEnvironment(home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(QDir(m_installed()).filePath(QStringLiteral("bin/acctprep")), QStringList());
        QVERIFY(program.waitForStarted());
        // The copy is moved into place whole, only once it is complete.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(copy) || program.state() == QProcess::NotRunning, 120000);
        const bool running = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished();
        QVERIFY2(running, program.readAllStandardError().constData());
        QCOMPARE(scalar(copy, "select Value from tabBankInfo where Name = 'MadeFrom'").toString(),
                 UserBank::identity(shipped));
        QCOMPARE(fileBytes(shipped), before);
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
