#pragma once
#include <QByteArray>
#include <QString>

// The 8-bit code page of stored texts: GBK (code page 936) in both directions.
namespace AnsiCodec {
QByteArray toAnsi(const QString &text);
QString fromAnsi(const QByteArray &bytes);
// True when the text survives the round trip through the code page unchanged.
bool canEncode(const QString &text);
}
