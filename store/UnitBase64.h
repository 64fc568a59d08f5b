#pragma once
#include <QByteArray>
#include <QString>

// Base64 (standard alphabet, "=" padding, one line) over bytes and 8-bit (GBK) texts.
int Base64EncodeBufSize(int SourceSize);
QByteArray Base64Encode(const QByteArray &Source);
QString StrToBase64(const QString &Str);

int Base64DecodeBufSize(const QByteArray &Base64Source);
// Groups of four characters; characters outside the alphabet count as 0, characters after the
// last whole group are ignored, and the last group yields 3 less the trailing "=" count.
QByteArray Base64Decode(const QByteArray &Base64Source);
QString Base64ToStr(const QByteArray &Base64Str);
