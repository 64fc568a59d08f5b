#include "store/UnitEncrypt.h"

#include <QRandomGenerator>

#include <array>

namespace {

const QString DefaultKey = QStringLiteral("kovars");
int g_fixedOffset = -1;

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// Value of the (up to) two characters at 0-based position pos.
int readPair(const QString &source, qsizetype pos)
{
    const qsizetype end = std::min(pos + 2, source.size());
    if (pos >= end)
        throw ConvertError("missing hexadecimal digits");
    int value = 0;
    for (qsizetype i = pos; i < end; ++i) {
        const int digit = hexValue(source.at(i).unicode());
        if (digit < 0)
            throw ConvertError("not a hexadecimal number");
        value = value * 16 + digit;
    }
    return value;
}

void appendHex(QString &dest, int value)
{
    static const char digits[] = "0123456789ABCDEF";
    dest.append(QLatin1Char(digits[(value >> 4) & 0xF]));
    dest.append(QLatin1Char(digits[value & 0xF]));
}

template <typename Append>
void decipher(const QString &Source, const QString &Key, Append append)
{
    // An empty key falls back to the default key but keeps its length 0, so only the
    // default key's first letter is used.
    const int KeyLen = int(Key.size());
    const QString &key = Key.isEmpty() ? DefaultKey : Key;
    if (Source.size() < 3)
        throw ConvertError("cipher text too short");
    int KeyPos = 0;
    int Offset = readPair(Source, 0);
    qsizetype SrcPos = 3;
    do {
        const int SrcAsc = readPair(Source, SrcPos - 1);
        KeyPos = KeyPos < KeyLen ? KeyPos + 1 : 1;
        int TmpSrcAsc = SrcAsc ^ key.at(KeyPos - 1).unicode();
        if (TmpSrcAsc > Offset)
            TmpSrcAsc -= Offset;
        else
            TmpSrcAsc = TmpSrcAsc + 255 - Offset;
        append(TmpSrcAsc);
        Offset = SrcAsc;
        SrcPos += 2;
    } while (SrcPos < Source.size());
}

}

void SetEncryptOffsetForTesting(int offset) { g_fixedOffset = offset; }

QString EncryptString(const QString &Source, const QString &Key)
{
    const int KeyLen = int(Key.size());
    const QString &key = Key.isEmpty() ? DefaultKey : Key;
    int KeyPos = 0;
    int Offset = g_fixedOffset >= 0 ? g_fixedOffset : int(QRandomGenerator::global()->bounded(256));
    QString Dest;
    Dest.reserve(2 + 2 * Source.size());
    appendHex(Dest, Offset);
    for (const QChar ch : Source) {
        int SrcAsc = (ch.unicode() + Offset) % 255;
        KeyPos = KeyPos < KeyLen ? KeyPos + 1 : 1;
        SrcAsc ^= key.at(KeyPos - 1).unicode();
        appendHex(Dest, SrcAsc);
        Offset = SrcAsc;
    }
    return Dest;
}

QString UnEncryptString(const QString &Source, const QString &Key)
{
    QString result;
    result.reserve(Source.size() / 2);
    decipher(Source, Key, [&](int code) { result.append(QChar(char16_t(code))); });
    return result;
}

QByteArray UnEncryptToBytes(const QString &Source, const QString &Key)
{
    // The hot path of loading questions: the same steps as UnEncryptString over raw code units,
    // with a digit table and a pre-sized buffer.
    static constexpr auto HexTable = [] {
        std::array<qint8, 128> t{};
        t.fill(-1);
        for (int c = 0; c < 10; ++c)
            t['0' + c] = qint8(c);
        for (int c = 0; c < 6; ++c) {
            t['A' + c] = qint8(10 + c);
            t['a' + c] = qint8(10 + c);
        }
        return t;
    }();
    const auto digit = [](char16_t c) {
        const int v = c < 128 ? HexTable[c] : -1;
        if (v < 0)
            throw ConvertError("not a hexadecimal number");
        return v;
    };
    const qsizetype n = Source.size();
    if (n < 3)
        throw ConvertError("cipher text too short");
    const char16_t *src = reinterpret_cast<const char16_t *>(Source.utf16());
    const int KeyLen = int(Key.size());
    const char16_t *key = reinterpret_cast<const char16_t *>((Key.isEmpty() ? DefaultKey : Key).utf16());

    const qsizetype count = std::max<qsizetype>(1, (n - 2) / 2);
    QByteArray result(count, Qt::Uninitialized);
    char *out = result.data();
    int Offset = digit(src[0]) * 16 + digit(src[1]);
    int KeyPos = 0;
    for (qsizetype i = 0, pos = 2; i < count; ++i, pos += 2) {
        // A lone last digit is read as a one-digit pair only when it is the only one.
        const int SrcAsc = pos + 1 < n ? digit(src[pos]) * 16 + digit(src[pos + 1]) : digit(src[pos]);
        KeyPos = KeyPos < KeyLen ? KeyPos + 1 : 1;
        int TmpSrcAsc = SrcAsc ^ key[KeyPos - 1];
        TmpSrcAsc = TmpSrcAsc > Offset ? TmpSrcAsc - Offset : TmpSrcAsc + 255 - Offset;
        out[i] = char(TmpSrcAsc);
        Offset = SrcAsc;
    }
    return result;
}
