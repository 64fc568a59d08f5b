// The mock exam in progress: saved as it is answered, found again at the next start, removed
// at the hand-in. Banks made before these tables existed get them when they can be written.
#include "store/ExamSave.h"
#include "store/UnitDM.h"

#include "core/UnitDefine.h"

#include <QSqlRecord>
#include <QStringList>

namespace {

// The columns appendEntries reads, in its order (as the loaders of UnitDMItems.cpp select them).
const QString QuestionColumns = QStringLiteral(
    "I_ID, I_TYPE, I_DETAL, I_A, I_B, I_C, I_D, I_E, I_F, I_ANSWER, I_ANSWER_DESC, I_MARK, I_FAV, "
    "I_SCORE, I_PIC");

const QString SavedTable = QStringLiteral("tabExamSave");
const QString SavedItemTable = QStringLiteral("tabExamSaveItem");

// The statements of the bank's schema that make the exam-save tables, comments removed.
QStringList examSaveStatements()
{
    QStringList statements;
    for (const QString &statement : TDataModuleMain::schemaSql().split(QLatin1Char(';'))) {
        QString sql;
        for (const QString &line : statement.split(QLatin1Char('\n')))
            sql += line.section(QStringLiteral("--"), 0, 0) + QLatin1Char('\n');
        if (sql.contains(SavedTable))
            statements << sql.trimmed();
    }
    return statements;
}

} // namespace

bool TDataModuleMain::ensureExamSaveTables()
{
    if (m_examSave != ExamSave::Unknown)
        return m_examSave == ExamSave::Available;
    const QStringList tables = database().tables();
    const bool present = tables.contains(SavedTable, Qt::CaseInsensitive)
        && tables.contains(SavedItemTable, Qt::CaseInsensitive);
    // A bank that cannot be written keeps no exam; the learner was told at start-up.
    if (!writeProblem().isEmpty()) {
        m_examSave = ExamSave::Unavailable;
        return false;
    }
    if (!present) {
        const QStringList statements = examSaveStatements();
        if (statements.size() < 2)
            throw StoreError(QStringLiteral("数据库错误：缺少考试进度表的定义"));
        inTransaction([&] {
            for (const QString &sql : statements)
                run(sql);
        });
    } else if (!database().record(SavedTable).contains(QStringLiteral("TIMED"))) {
        // Saved before an exam could go without the hour's limit: every such exam had it.
        run(QStringLiteral("alter table tabExamSave add column TIMED INTEGER DEFAULT 1"));
    }
    m_examSave = ExamSave::Available;
    return true;
}

bool TDataModuleMain::canSaveExam()
{
    return ensureExamSaveTables();
}

void TDataModuleMain::SaveExam(const TSavedExam &exam)
{
    if (!ensureExamSaveTables())
        throw StoreError(writeProblem());
    inTransaction([&] {
        run(QStringLiteral("delete from tabExamSaveItem"));
        run(QStringLiteral("delete from tabExamSave"));
        run(QStringLiteral("insert into tabExamSave(TEST_ID, KeChengID, KeChengName, ZhangJieID, ZhangJieName, "
                           "LXMode, START_TIME, USED_MSECS, ITEM_INDEX, TIMED) values(:TEST_ID, :KeChengID, "
                           ":KeChengName, :ZhangJieID, :ZhangJieName, :LXMode, :START_TIME, :USED_MSECS, :ITEM_INDEX, "
                           ":TIMED)"),
            {{":TEST_ID", exam.Test_ID},
             {":KeChengID", exam.KeChengID},
             {":KeChengName", exam.KeChengName},
             {":ZhangJieID", exam.ZhangJieID},
             {":ZhangJieName", exam.ZhangJieName},
             {":LXMode", exam.LXMode},
             {":START_TIME", exam.StartTime.toString(Qt::ISODateWithMs)},
             {":USED_MSECS", exam.UsedMsecs},
             {":ITEM_INDEX", exam.ItemIndex},
             {":TIMED", exam.Timed ? 1 : 0}});
        QSqlQuery &insert = prepare(QStringLiteral(
            "insert into tabExamSaveItem(TEST_ID, POS, I_ID, KIND45, USER_ANSWER, USER_SCORE, COLOR_MARK, ITEM_MARK) "
            "values(:TEST_ID, :POS, :I_ID, :KIND45, :USER_ANSWER, :USER_SCORE, :COLOR_MARK, :ITEM_MARK)"));
        for (int pos = 0; pos < exam.records.size(); ++pos) {
            const TSavedRecord &record = exam.records.at(pos);
            insert.bindValue(QStringLiteral(":TEST_ID"), exam.Test_ID);
            insert.bindValue(QStringLiteral(":POS"), pos);
            insert.bindValue(QStringLiteral(":I_ID"), record.ItemID);
            insert.bindValue(QStringLiteral(":KIND45"), record.kind45Index);
            // Never NULL: an unanswered record reads back as the empty answer it was.
            insert.bindValue(QStringLiteral(":USER_ANSWER"), record.UserAnswer.isNull() ? QStringLiteral("")
                                                                                       : record.UserAnswer);
            insert.bindValue(QStringLiteral(":USER_SCORE"), record.UserScore);
            insert.bindValue(QStringLiteral(":COLOR_MARK"), record.ColorMark);
            insert.bindValue(QStringLiteral(":ITEM_MARK"), record.ItemMark ? 1 : 0);
            exec(insert);
        }
    });
}

bool TDataModuleMain::LoadSavedExam(TSavedExam &exam)
{
    if (!ensureExamSaveTables())
        return false;
    QSqlQuery &head = run(QStringLiteral("select TEST_ID, KeChengID, KeChengName, ZhangJieID, ZhangJieName, LXMode, "
                                         "START_TIME, USED_MSECS, ITEM_INDEX, TIMED from tabExamSave "
                                         "order by TEST_ID desc limit 1"));
    if (!head.next())
        return false;
    exam = TSavedExam();
    exam.Test_ID = head.value(0).toString();
    exam.KeChengID = head.value(1).toString();
    exam.KeChengName = head.value(2).toString();
    exam.ZhangJieID = head.value(3).toString();
    exam.ZhangJieName = head.value(4).toString();
    exam.LXMode = head.value(5).toString();
    exam.StartTime = QDateTime::fromString(head.value(6).toString(), Qt::ISODateWithMs);
    exam.UsedMsecs = head.value(7).toLongLong();
    exam.ItemIndex = head.value(8).toInt();
    exam.Timed = head.value(9).isNull() || head.value(9).toInt() != 0;
    head.finish();
    QSqlQuery &rows = run(QStringLiteral("select I_ID, KIND45, USER_ANSWER, USER_SCORE, COLOR_MARK, ITEM_MARK "
                                         "from tabExamSaveItem where TEST_ID = :TEST_ID order by POS"),
                          {{":TEST_ID", exam.Test_ID}});
    while (rows.next()) {
        TSavedRecord record;
        record.ItemID = rows.value(0).toString();
        record.kind45Index = rows.value(1).toInt();
        record.UserAnswer = rows.value(2).toString();
        record.UserScore = rows.value(3).toInt();
        record.ColorMark = rows.value(4).toInt();
        record.ItemMark = rows.value(5).toInt() != 0;
        exam.records << record;
    }
    return true;
}

void TDataModuleMain::DeleteSavedExam()
{
    if (!ensureExamSaveTables())
        return;
    inTransaction([this] {
        run(QStringLiteral("delete from tabExamSaveItem"));
        run(QStringLiteral("delete from tabExamSave"));
    });
}

void TDataModuleMain::AddItemByID(const QString &ZhangJieID, const QString &ItemID)
{
    QSqlQuery &query = run(QStringLiteral("Select %1 from tabItem where I_ID = :I_ID").arg(QuestionColumns),
                           {{":I_ID", ItemID}});
    if (query.next())
        appendEntries(query, ZhangJieID, false);
    query.finish();
}
