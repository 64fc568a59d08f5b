#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <stdexcept>
#include <utility>

struct TItem;

// A database failure; the message says what failed, for the learner's error box.
class StoreError : public std::runtime_error
{
public:
    explicit StoreError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The one owner of the question-bank database and of every statement the program runs.
class TDataModuleMain
{
public:
    // databaseFile empty: ApplicationDir + \Data\sys.db.
    explicit TDataModuleMain(const QString &databaseFile = QString());
    ~TDataModuleMain();
    TDataModuleMain(const TDataModuleMain &) = delete;
    TDataModuleMain &operator=(const TDataModuleMain &) = delete;

    // Sets the database file; does not connect.
    void DataModuleCreate();
    QString databaseFile() const { return m_file; }
    // Connects on first use: the file must exist and hold every table; never creates it.
    void open();
    QSqlDatabase database();

    // The statements that create an empty bank (used by the bank tool and test fixtures).
    static QString schemaSql();

    // Stored login.
    bool ShowLogin();
    bool ValidLogin(const QString &UserID, const QString &Pwd);
    void SetLogin(int mode, const QString &UserID, const QString &Pwd);

    // Content cipher of stored question texts.
    static QString EcStr(const QString &instr);
    static QString DcStr(const QString &instr);

    // Catalogue.
    void GetKeChengInfo();
    void GetZhangJIe(const QString &KeChengID, const QString &kind);
    void GetKaoShiDaGang();
    void GetKeChengJiangYi(const QString &KeChengID, const QString &kind);
    void GetHelpList();
    void GetKeMuList();

    // Questions and counts.
    void AddItem(const QString &ZhangJieID, const QString &ItemKind, int CNT, int Rmd);
    void GetJHItemList();
    void GetCTItemList(const QString &CT_Start);
    void GetItemCnt(const QString &KeCheng_ID, const QString &ZhangJie_ID, int &ZongCnt, int &DanCnt,
                    int &DuoCnt, int &PanCnt, int &FenCnt);
    void GetJHItemCnt(int &ZongCnt, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt);
    void GetCTItemCnt(int &ZongCnt, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt,
                      const QString &StarStr);

    // Study records.
    void UpdateFav();
    void LogErrItem();
    void InsertTestInfo(const QString &t_id, const QString &t_true, const QString &t_false,
                        const QString &t_havdo, const QString &t_notdo, const QString &t_time,
                        const QString &t_type, const QString &t_kecheng, const QString &t_zhangjie,
                        int t_score);
    void GetXueXiLog();
    void DeleteXueXiLog();

private:
    using Binds = std::initializer_list<std::pair<const char *, QVariant>>;
    // Prepares, binds and runs a statement; throws StoreError on failure.
    QSqlQuery run(const QString &sql, Binds binds = {});
    QSqlQuery prepare(const QString &sql);
    void exec(QSqlQuery &query);
    template <typename Fn> void inTransaction(Fn &&work);

    TItem *appendEntries(const QSqlQuery &row, const QString &zhangJieID, bool withChapterNames);
    void appendCaseEntries(const TItem &question);
    void countByType(QSqlQuery &query, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt);
    void fillPageList(const QString &sql, QStringList &list, Binds binds = {});

    QString m_file;
    QString m_connectionName;
    bool m_open = false;
};

// The data module of the running program.
extern TDataModuleMain *DataModuleMain;

// Runs the work so that it lands whole or not at all.
template <typename Fn>
void TDataModuleMain::inTransaction(Fn &&work)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        throw StoreError(QStringLiteral("数据库错误：无法开始事务"));
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        db.rollback();
        throw StoreError(QStringLiteral("数据库错误：无法提交事务"));
    }
}
