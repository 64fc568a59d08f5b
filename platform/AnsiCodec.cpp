#include "platform/AnsiCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace AnsiCodec {

namespace {
bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}
}

QByteArray toAnsi(const QString &text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

bool canEncode(const QString &text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && fromAnsi(bytes) == text;
}

QString fromAnsi(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // Opening the converter is the costly part; a stateless one can be reused.
    static thread_local QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

}
