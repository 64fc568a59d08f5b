#include "store/UnitBase64.h"

#include "platform/AnsiCodec.h"

#include <algorithm>
#include <array>

namespace {

const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Every character outside the alphabet, "=" included, counts as 0.
constexpr std::array<quint8, 256> makeDecodeTable()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(Alphabet[i])] = quint8(i);
    return table;
}
constexpr std::array<quint8, 256> DecodeTable = makeDecodeTable();

int trailingPads(const QByteArray &text)
{
    int pads = 0;
    for (qsizetype i = text.size() - 1; i >= 0 && text.at(i) == '='; --i)
        ++pads;
    return pads;
}

// The stored format's reading of any text, well-formed or not: whole groups of four only, and
// the last group yields 3 less the trailing "=" of the whole text.
QByteArray decodeGroups(const QByteArray &Base64Source)
{
    const qsizetype groups = Base64Source.size() / 4;
    if (groups == 0)
        return {};
    const int lastYield = std::max(0, 3 - trailingPads(Base64Source));
    QByteArray out;
    out.resize(groups * 3);
    const auto *in = reinterpret_cast<const unsigned char *>(Base64Source.constData());
    char *dst = out.data();
    for (qsizetype g = 0; g < groups; ++g, in += 4, dst += 3) {
        const quint32 v = quint32(DecodeTable[in[0]]) << 18 | quint32(DecodeTable[in[1]]) << 12
            | quint32(DecodeTable[in[2]]) << 6 | quint32(DecodeTable[in[3]]);
        dst[0] = char(v >> 16);
        dst[1] = char(v >> 8);
        dst[2] = char(v);
    }
    out.truncate((groups - 1) * 3 + lastYield);
    return out;
}

}

int Base64EncodeBufSize(int SourceSize) { return (SourceSize + 2) / 3 * 4; }

QByteArray Base64Encode(const QByteArray &Source)
{
    return Source.toBase64();
}

QString StrToBase64(const QString &Str)
{
    return QString::fromLatin1(Base64Encode(AnsiCodec::toAnsi(Str)));
}

int Base64DecodeBufSize(const QByteArray &Base64Source)
{
    // Padding alone ("=", "====") would make the count negative.
    const qsizetype size = Base64Source.size();
    return int(std::max<qsizetype>(0, size / 2 + size / 4 - trailingPads(Base64Source)));
}

QByteArray Base64Decode(const QByteArray &Base64Source)
{
    // Well-formed text in whole groups, all the store ever writes: Qt's decoder reads it to
    // the same bytes. It refuses the rest, which the stored format still gives a meaning.
    if (Base64Source.size() % 4 == 0) {
        const auto strict = QByteArray::fromBase64Encoding(
            Base64Source, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
        if (strict)
            return strict.decoded;
    }
    return decodeGroups(Base64Source);
}

QString Base64ToStr(const QByteArray &Base64Str)
{
    return AnsiCodec::fromAnsi(Base64Decode(Base64Str));
}
