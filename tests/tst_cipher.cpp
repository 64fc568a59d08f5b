// The content cipher: hex running cipher, Base64 layer and the stored-text composition.
#include "store/UnitBase64.h"
#include "store/UnitDM.h"
#include "store/UnitEncrypt.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

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
