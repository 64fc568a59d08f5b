#pragma once
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <utility>

struct TItem;
struct TSavedExam;

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
    // Whether the learner's records can be saved: tried once with a write that is rolled
    // back. Empty when they can; otherwise why not, for the learner.
    QString writeProblem();
    // Opens the bank for reading only (before it is first used): nothing is ever written, and
    // writeProblem() gives `reason`.
    void setReadOnly(const QString &reason);

    // Runs the work so that every write in it lands whole or not at all. Operations called
    // inside take part in this transaction rather than opening their own.
    template <typename Fn> void inTransaction(Fn &&work);

    // The statements that create an empty bank (used by the bank tool and test fixtures).
    static QString schemaSql();

    // Stored login.
    bool ShowLogin();
    bool ValidLogin(const QString &UserID, const QString &Pwd);
    void SetLogin(int mode, const QString &UserID, const QString &Pwd);

    // The most points a question (or a case's sub-questions together) may carry; the
    // program counts in hundredths of a point.
    static constexpr int MaxScore = 1000;

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
    // t_manfen and t_defen: the run's full marks and points earned in hundredths, kept so that
    // the history can show the same score rate as the result page; -1 leaves them unknown.
    void InsertTestInfo(const QString &t_id, const QString &t_true, const QString &t_false,
                        const QString &t_havdo, const QString &t_notdo, const QString &t_time,
                        const QString &t_type, const QString &t_kecheng, const QString &t_zhangjie,
                        int t_score, int t_manfen = -1, int t_defen = -1);
    void GetXueXiLog();
    void DeleteXueXiLog();

    // The mock exam in progress (UnitDMExamSave.cpp). A bank that cannot be written keeps
    // none: saving is off, nothing is found.
    bool canSaveExam();
    // Replaces the saved exam by this one, in one transaction.
    void SaveExam(const TSavedExam &exam);
    // The saved exam, if there is one.
    bool LoadSavedExam(TSavedExam &exam);
    void DeleteSavedExam();
    // Appends the question's records to ItemList as the loaders do (sub-questions split);
    // nothing when the bank no longer holds it.
    void AddItemByID(const QString &ZhangJieID, const QString &ItemID);

private:
    using Binds = std::initializer_list<std::pair<const char *, QVariant>>;
    // Binds and runs a statement (prepared once, see prepare()); throws StoreError on failure.
    // Walk its rows to the end, or finish() it, before the connection is left to others.
    QSqlQuery &run(const QString &sql, Binds binds = {});
    // The statement of that text, prepared on its first use and kept for the connection's
    // life; a result still open from its last use is closed.
    QSqlQuery &prepare(const QString &sql);
    void exec(QSqlQuery &query);
    // Makes the indexes of the schema that an older bank lacks, and drops those it no longer
    // uses, if the bank can be written.
    void updateIndexes();
    // Gives the history of an older bank its columns of full marks and points earned, if the
    // bank can be written; remembers whether the history has them.
    void updateHistoryColumns();
    // Throws the write problem, if there is one, before anything is written.
    void requireWritable();

    TItem *appendEntries(const QSqlQuery &row, const QString &zhangJieID, bool withChapterNames);
    void appendCaseEntries(const TItem &question);
    void countByType(QSqlQuery &query, int &DanCnt, int &DuoCnt, int &PanCnt, int &FenCnt);
    void fillPageList(const QString &sql, QStringList &list, Binds binds = {});
    // Makes the exam-save tables in a writable bank that lacks them; false when the bank
    // has none and cannot get them.
    bool ensureExamSaveTables();

    QString m_file;
    QString m_connectionName;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_statements;
    bool m_open = false;
    bool m_readOnly = false;
    bool m_probed = false;
    QString m_writeProblem;
    int m_transactionDepth = 0;
    // The history keeps each run's full marks and points earned (TEST_MANFEN, TEST_DEFEN).
    bool m_historyMarks = false;
    enum class ExamSave { Unknown, Available, Unavailable } m_examSave = ExamSave::Unknown;
};

// The data module of the running program.
extern TDataModuleMain *DataModuleMain;

template <typename Fn>
void TDataModuleMain::inTransaction(Fn &&work)
{
    if (m_transactionDepth > 0) {
        // The outer transaction decides: a failure here travels up and undoes it all.
        work();
        return;
    }
    requireWritable();
    QSqlDatabase db = database();
    if (!db.transaction())
        throw StoreError(QStringLiteral("数据库错误：无法开始事务"));
    struct Depth
    {
        int &depth;
        explicit Depth(int &d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    };
    try {
        Depth inside(m_transactionDepth);
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString cause = db.lastError().text();
        db.rollback();
        throw StoreError(QStringLiteral("数据库错误：无法提交事务（%1）").arg(cause));
    }
}
