#pragma once
// The mock exam in progress as the bank keeps it between answers (tabExamSave,
// tabExamSaveItem): enough to rebuild the question list and put every answer back.
#include <QDateTime>
#include <QList>
#include <QString>

// One record of the exam's question list and the candidate's work on it.
struct TSavedRecord
{
    QString ItemID;
    int kind45Index = 1;
    QString UserAnswer;
    int UserScore = 0;
    int ColorMark = 3;
    bool ItemMark = false;
};

struct TSavedExam
{
    QString Test_ID;
    QString KeChengID;
    QString KeChengName;
    QString ZhangJieID; // the paper, or the course of a random paper
    QString ZhangJieName;
    QString LXMode;
    QDateTime StartTime;
    qint64 UsedMsecs = 0; // time used when it was saved
    int ItemIndex = 0;    // the record shown
    bool Timed = true;    // held to the hour, or without a limit
    QList<TSavedRecord> records; // in list order
};
