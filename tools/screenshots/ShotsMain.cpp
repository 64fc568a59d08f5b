// Shots of the main window's shell, page views and study progress.
#include "Shots.h"

#include "store/UnitDM.h"
#include "ui/main/UnitMain.h"

#include <QCheckBox>
#include <QTableWidget>

#include <algorithm>

namespace {
// A few finished runs, so the curve has points; they go into the scratch copy of the bank. The
// first is as an older version stored it, without its full marks.
void seedHistory(TDataModuleMain *dm)
{
    struct Row
    {
        const char *id, *right, *wrong, *havdo, *notdo, *time, *type, *course, *chapter;
        int full, earned;
    };
    const Row rows[] = {
        {"20240301093015", "12", "8", "20", "0", "00:18:42", "章节练习", "会计基础", "第一章 总论", -1, -1},
        {"20240303201000", "15", "5", "20", "0", "00:16:05", "章节练习", "会计基础", "第二章 会计要素", 2600, 1700},
        {"20240306190500", "48", "22", "70", "2", "00:52:10", "模拟考试", "会计基础", "模拟试卷一", 10000, 6150},
        {"20240309081200", "9", "1", "10", "0", "00:07:33", "章节练习", "财经法规与会计职业道德", "第一章 会计法律制度", 1000, 900},
        {"20240312213000", "55", "15", "70", "2", "00:49:58", "模拟考试", "财经法规与会计职业道德", "随机考试", 10000, 7200},
        {"20240315100000", "17", "3", "20", "0", "00:12:20", "章节练习", "会计基础", "第三章 会计科目与账户", 2300, 1800},
    };
    for (const Row &r : rows)
        dm->InsertTestInfo(QString::fromUtf8(r.id), QString::fromUtf8(r.right), QString::fromUtf8(r.wrong),
                           QString::fromUtf8(r.havdo), QString::fromUtf8(r.notdo), QString::fromUtf8(r.time),
                           QString::fromUtf8(r.type), QString::fromUtf8(r.course), QString::fromUtf8(r.chapter),
                           std::max(0, r.earned) / 100, r.full, r.earned);
}

const Shots::Register start{100, QStringLiteral("start"), [](ShotContext &c) -> QWidget * { return c.mainForm; }};

const Shots::Register guide{200, QStringLiteral("guide"), [](ShotContext &c) -> QWidget * {
                                c.mainForm->SpeedButton5Click();
                                return c.mainForm;
                            }};

const Shots::Register handouts{300, QStringLiteral("handouts"), [](ShotContext &c) -> QWidget * {
                                   c.mainForm->SpeedButton6Click();
                                   return c.mainForm;
                               }};

const Shots::Register help{400, QStringLiteral("help"), [](ShotContext &c) -> QWidget * {
                               c.mainForm->SpeedButton9Click();
                               return c.mainForm;
                           }};

// The history of the earlier shots' runs is cleared first, as "清除记录" does.
const Shots::Register progressEmpty{790, QStringLiteral("progress-curve-empty"), [](ShotContext &c) -> QWidget * {
                                        c.dm->DeleteXueXiLog();
                                        c.mainForm->SpeedButton8Click();
                                        return c.mainForm;
                                    }};

const Shots::Register progressCurve{800, QStringLiteral("progress-curve"), [](ShotContext &c) -> QWidget * {
                                        seedHistory(c.dm);
                                        c.mainForm->SpeedButton8Click();
                                        return c.mainForm;
                                    }};

const Shots::Register progressFlat{810, QStringLiteral("progress-curve-flat"), [](ShotContext &c) -> QWidget * {
                                       c.mainForm->SpeedButton8Click();
                                       c.mainForm->cb3D->setChecked(false);
                                       return c.mainForm;
                                   }};

const Shots::Register progressTable{820, QStringLiteral("progress-table"), [](ShotContext &c) -> QWidget * {
                                        c.mainForm->cb3D->setChecked(true);
                                        c.mainForm->SpeedButton8Click();
                                        c.mainForm->SpeedButton25Click();
                                        c.mainForm->sgXueXiLog->selectRow(2);
                                        return c.mainForm;
                                    }};
}
