// The content cipher: hex running cipher, Base64 layer and the stored-text composition.
#include "store/UnitBase64.h"
#include "store/UnitDM.h"
#include "store/UnitEncrypt.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString ContentKeyForTests = QStringLiteral("QmTrxLoV");

// Inputs for the fuzz tests. ACCTPREP_FUZZ_INPUTS sets how many each test tries (a long run
// under the sanitizer build), ACCTPREP_FUZZ_SEED the seed, printed so a failure can be repeated.
struct Fuzz
{
    int inputs = 50000;
    QRandomGenerator rng;

    Fuzz()
    {
        bool ok = false;
        const int wanted = qEnvironmentVariableIntValue("ACCTPREP_FUZZ_INPUTS", &ok);
        if (ok && wanted > 0)
            inputs = wanted;
        quint32 seed = quint32(qEnvironmentVariableIntValue("ACCTPREP_FUZZ_SEED", &ok));
        if (!ok)
            seed = QRandomGenerator::global()->generate();
        rng.seed(seed);
        qInfo("fuzz: %d inputs, seed %u", inputs, seed);
    }

    int below(int n) { return int(rng.bounded(n)); }

    QString text()
    {
        static const QString pool = QStringLiteral("会计借贷资产负债ABCxyz0129 ，。（）：-+/=\n");
        QString out;
        for (int i = below(24); i > 0; --i)
            out += pool.at(below(int(pool.size())));
        return out;
    }

    QByteArray bytes()
    {
        QByteArray out;
        for (int i = below(40); i > 0; --i)
            out += char(below(256));
        return out;
    }

    // Mostly hex digits, some other characters, now and then one past Latin-1.
    QString randomCipher()
    {
        static const QString pool = QStringLiteral("0123456789ABCDEFabcdef0123456789ABCDEF gG-+=zZ\xff\u4e2d");
        QString out;
        for (int i = below(40); i > 0; --i)
            out += pool.at(below(int(pool.size())));
        return out;
    }

    QByteArray randomBase64()
    {
        static const QByteArray pool("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/====== !*-_\n\x80\xff{}");
        QByteArray out;
        for (int i = below(40); i > 0; --i)
            out += pool.at(below(int(pool.size())));
        return out;
    }

    // One to three changes: a character replaced, removed or added, or the text cut short.
    template <typename Text> Text mutated(Text text, const Text &pool)
    {
        for (int k = below(3) + 1; k > 0; --k) {
            const int at = text.isEmpty() ? 0 : below(int(text.size()));
            switch (below(4)) {
            case 0:
                if (!text.isEmpty())
                    text[at] = pool.at(below(int(pool.size())));
                break;
            case 1:
                if (!text.isEmpty())
                    text.remove(at, 1);
                break;
            case 2: text.insert(at, pool.at(below(int(pool.size())))); break;
            default: text.truncate(at); break;
            }
        }
        return text;
    }
    QString mutated(const QString &cipher) { return mutated(cipher, QStringLiteral("0123456789ABCDEFafG \u4e2d")); }
    QByteArray mutated(const QByteArray &base64) { return mutated(base64, QByteArray("AZaz09+/=!\x80")); }
};

}

class TestCipher : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetEncryptOffsetForTesting(-1); }

    void knownVector()
    {
        // Offset 0x2A, key "k": 'H' -> (72+42)%255 ^ 107 = 0x19; 'i' -> (105+0x19) ^ 107 = 0xE9.
        SetEncryptOffsetForTesting(0x2A);
        QCOMPARE(EncryptString(QStringLiteral("Hi"), QStringLiteral("k")), QStringLiteral("2A19E9"));
        QCOMPARE(UnEncryptString(QStringLiteral("2A19E9"), QStringLiteral("k")), QStringLiteral("Hi"));
        QCOMPARE(UnEncryptString(QStringLiteral("2a19e9"), QStringLiteral("k")), QStringLiteral("Hi"));
    }

    void roundTripsOverRandomTextsAndKeys()
    {
        auto *rng = QRandomGenerator::global();
        for (int round = 0; round < 500; ++round) {
            QString text, key;
            const int textLen = int(rng->bounded(0, 40));
            // Code 255 right after an enciphered 255 comes back as 0; stored texts are Base64, so
            // the cipher never meets it.
            for (int i = 0; i < textLen; ++i)
                text += QChar(char16_t(rng->bounded(1, 255)));
            const int keyLen = int(rng->bounded(1, 12));
            for (int i = 0; i < keyLen; ++i)
                key += QChar(char16_t(rng->bounded(1, 256)));
            const QString cipher = EncryptString(text, key);
            QCOMPARE(cipher.size(), 2 + 2 * text.size());
            QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(cipher).hasMatch());
            if (text.isEmpty())
                continue; // nothing follows the offset pair: not decipherable
            QCOMPARE(UnEncryptString(cipher, key), text);
            QCOMPARE(UnEncryptToBytes(cipher, key), UnEncryptString(cipher, key).toLatin1());
        }
    }

    void sameTextTwiceUsuallyDiffers()
    {
        QSet<QString> ciphers;
        for (int i = 0; i < 20; ++i)
            ciphers.insert(EncryptString(QStringLiteral("abc"), QStringLiteral("key")));
        QVERIFY(ciphers.size() > 1);
        for (const QString &c : ciphers)
            QCOMPARE(UnEncryptString(c, QStringLiteral("key")), QStringLiteral("abc"));
    }

    void emptyKeyUsesOnlyTheFirstDefaultLetter()
    {
        SetEncryptOffsetForTesting(7);
        const QString text = QStringLiteral("plain text");
        const QString withEmpty = EncryptString(text, QString());
        QCOMPARE(withEmpty, EncryptString(text, QStringLiteral("k")));
        QVERIFY(withEmpty != EncryptString(text, QStringLiteral("kovars")));
        QCOMPARE(UnEncryptString(withEmpty, QString()), text);
    }

    void codeZeroComesBackAs255()
    {
        const QString cipher = EncryptString(QString(QChar(char16_t(0))), QStringLiteral("k"));
        QCOMPARE(UnEncryptString(cipher, QStringLiteral("k")), QString(QChar(char16_t(255))));
    }

    void oddLengths_data()
    {
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("plain");
        QTest::newRow("lone last digit ignored") << QStringLiteral("2A19E9F") << QStringLiteral("Hi");
        // "1" read as a one-digit pair: 1 ^ 'k' = 106, 106 - 42 = 64.
        QTest::newRow("three characters") << QStringLiteral("2A1") << QStringLiteral("@");
    }
    void oddLengths()
    {
        QFETCH(QString, cipher);
        QFETCH(QString, plain);
        QCOMPARE(UnEncryptString(cipher, QStringLiteral("k")), plain);
        QCOMPARE(UnEncryptToBytes(cipher, QStringLiteral("k")), plain.toLatin1());
    }

    void malformedCipherRaises_data()
    {
        QTest::addColumn<QString>("cipher");
        QTest::newRow("empty") << QString();
        QTest::newRow("offset only") << QStringLiteral("2A");
        QTest::newRow("non-hex pair") << QStringLiteral("2AZZ");
        QTest::newRow("non-hex offset") << QStringLiteral("G019");
        QTest::newRow("sign inside a pair") << QStringLiteral("2A+1");
    }
    void malformedCipherRaises()
    {
        QFETCH(QString, cipher);
        QVERIFY_THROWS_EXCEPTION(ConvertError, UnEncryptString(cipher, QStringLiteral("k")));
        QVERIFY_THROWS_EXCEPTION(ConvertError, UnEncryptToBytes(cipher, QStringLiteral("k")));
    }

    void dcStrReturnsWhatItCannotDecipher_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << QString();
        QTest::newRow("dash") << QStringLiteral("-");
        QTest::newRow("two digits") << QStringLiteral("4F");
        QTest::newRow("non-hex") << QStringLiteral("这不是密文");
        QTest::newRow("hex then garbage") << QStringLiteral("2A19XY");
    }
    void dcStrReturnsWhatItCannotDecipher()
    {
        QFETCH(QString, input);
        QCOMPARE(TDataModuleMain::DcStr(input), input);
    }

    void base64Padding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("1 byte") << QByteArray("a") << QStringLiteral("YQ==");
        QTest::newRow("2 bytes") << QByteArray("ab") << QStringLiteral("YWI=");
        QTest::newRow("3 bytes") << QByteArray("abc") << QStringLiteral("YWJj");
    }
    void base64Padding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoded);
        QCOMPARE(StrToBase64(QString::fromLatin1(bytes)), encoded);
        QCOMPARE(Base64EncodeBufSize(int(bytes.size())), 4);
        QCOMPARE(Base64Decode(encoded.toLatin1()), bytes);
        QCOMPARE(Base64DecodeBufSize(encoded.toLatin1()), int(bytes.size()));
    }

    void base64DecodeIsLenient()
    {
        // Characters outside the alphabet count as 0; a trailing partial group is ignored.
        QCOMPARE(Base64Decode("YW!j"), Base64Decode("YWAj"));
        QCOMPARE(Base64Decode("YWJjYQ"), QByteArray("abc"));
        QCOMPARE(Base64Decode("===="), QByteArray());
    }

    void base64DecodeBufSize_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("one pad") << QByteArray("=") << 0;
        QTest::newRow("pads only") << QByteArray("====") << 0;
        QTest::newRow("three pads") << QByteArray("A===") << 0;
        QTest::newRow("two pads") << QByteArray("YQ==") << 1;
        QTest::newRow("two groups") << QByteArray("YWJjYQ==") << 4;
    }
    void base64DecodeBufSize()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, size);
        QCOMPARE(Base64DecodeBufSize(text), size);
        QCOMPARE(int(Base64Decode(text).size()), size);
    }

    // Random and mutated inputs through the decipher and the Base64 decoder: the two decipher
    // routines agree, only conversion errors are raised, DcStr never throws, and the decoder
    // keeps the stored format's rules whatever it is given.
    void fuzzDecipher()
    {
        Fuzz fuzz;
        for (int n = 0; n < fuzz.inputs; ++n) {
            const QString text = fuzz.text();
            const QString cipher = TDataModuleMain::EcStr(text);
            const QString input = fuzz.rng.bounded(4) == 0 ? fuzz.randomCipher() : fuzz.mutated(cipher);
            QString plain;
            QByteArray bytes;
            bool raised = false, bytesRaised = false;
            try {
                plain = UnEncryptString(input, ContentKeyForTests);
            } catch (const ConvertError &) {
                raised = true;
            }
            try {
                bytes = UnEncryptToBytes(input, ContentKeyForTests);
            } catch (const ConvertError &) {
                bytesRaised = true;
            }
            const QByteArray shown = input.toUtf8();
            QVERIFY2(raised == bytesRaised, shown.constData());
            const QString stored = TDataModuleMain::DcStr(input);
            if (raised) {
                QCOMPARE(stored, input);
                continue;
            }
            // Pairs after the offset, a lone last digit ignored unless it is the only one.
            QCOMPARE(plain.size(), std::max<qsizetype>(1, (input.size() - 2) / 2));
            QVERIFY2(plain.toLatin1() == bytes, shown.constData());
            QCOMPARE(UnEncryptString(input.toLower(), ContentKeyForTests), plain);
            if (input == cipher)
                QCOMPARE(stored, text.isEmpty() ? QStringLiteral("-") : text); // "-" marks an absent text
        }
    }

    void fuzzBase64Decode()
    {
        Fuzz fuzz;
        const QByteArray alphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
        for (int n = 0; n < fuzz.inputs; ++n) {
            const QByteArray bytes = fuzz.bytes();
            const QByteArray encoded = bytes.toBase64();
            QCOMPARE(Base64Decode(encoded), bytes);
            const QByteArray input = fuzz.rng.bounded(3) == 0 ? fuzz.randomBase64() : fuzz.mutated(encoded);
            const QByteArray decoded = Base64Decode(input);
            const int size = Base64DecodeBufSize(input);
            QVERIFY(size >= 0);
            QVERIFY(decoded.size() <= input.size() / 4 * 3);
            const auto trailingPads = [](const QByteArray &text) {
                int pads = 0;
                while (pads < text.size() && text.at(text.size() - 1 - pads) == '=')
                    ++pads;
                return pads;
            };
            const int pads = trailingPads(input);
            if (input.size() % 4 == 0 && pads <= 3)
                QCOMPARE(int(decoded.size()), size);
            // Characters outside the alphabet read as "A" (0) does.
            QByteArray zeroed = input;
            for (char &c : zeroed)
                if (c != '=' && !alphabet.contains(c))
                    c = 'A';
            QVERIFY2(Base64Decode(zeroed) == decoded, input.toHex().constData());
            // Characters after the last whole group are ignored (but for the "=" they end with,
            // which count for the whole text).
            const QByteArray groups = input.left(input.size() / 4 * 4);
            if (trailingPads(groups) == pads)
                QVERIFY2(Base64Decode(groups) == decoded, input.toHex().constData());
            (void)Base64ToStr(input);
        }
    }

    void chineseThroughTheStoredForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("chinese") << QStringLiteral("会计基础：借贷记账法“有借必有贷，借贷必相等”。");
        QTest::newRow("mixed") << QStringLiteral("增值税税率13%，A、B、C——选项");
        QTest::newRow("one char") << QStringLiteral("借");
    }
    void chineseThroughTheStoredForm()
    {
        QFETCH(QString, text);
        const QString stored = TDataModuleMain::EcStr(text);
        QVERIFY(stored != text);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(stored).hasMatch());
        QCOMPARE(TDataModuleMain::DcStr(stored), text);
    }

    void ecStrOfEmptyMarksAnAbsentOption()
    {
        QCOMPARE(TDataModuleMain::DcStr(TDataModuleMain::EcStr(QString())), QStringLiteral("-"));
    }

    void ecStrKeepsTextTheCodePageCannotHold()
    {
        const QString emoji = QStringLiteral("答对了😀");
        QCOMPARE(TDataModuleMain::EcStr(emoji), emoji);
    }
};

QTEST_GUILESS_MAIN(TestCipher)
#include "tst_cipher.moc"
