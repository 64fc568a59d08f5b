// The pictures the application ships: every file the windows load is there, readable and of
// the size the windows lay out, and the buttons drawn on the exam's introductory screens lie
// exactly under the transparent hotspots the exam window puts over them.
#include <QFile>
#include <QImage>
#include <QTest>

namespace {

QString shipped(const QString &relative)
{
    return QFINDTESTDATA(QStringLiteral("../data/") + relative);
}

int distance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

}

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void pictureHasItsSize_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (const char *glyph : {"1-1", "1-3", "1-4", "1-5", "1-6", "1-7", "1-8", "1-9"})
            QTest::newRow(glyph) << QStringLiteral("image/%1.bmp").arg(QLatin1String(glyph))
                                 << QSize(48, 48);
        QTest::newRow("start") << "image/1-11.jpg" << QSize(1200, 640);
        QTest::newRow("login") << "image/Login.bmp" << QSize(503, 256);
        for (const char *tip : {"r_1", "r_2_1", "r_2_2", "r_3_1", "r_3_2", "r_4"})
            QTest::newRow(tip) << QStringLiteral("image/%1.bmp").arg(QLatin1String(tip))
                               << QSize(180, 36);
        for (const char *screen : {"2-1", "2-2", "2-3", "2-4"})
            QTest::newRow(screen) << QStringLiteral("image/%1.jpg").arg(QLatin1String(screen))
                                  << QSize(1000, 650);
        QTest::newRow("exam top bar") << "image/2-5.jpg" << QSize(800, 64);
        QTest::newRow("exam top right") << "image/2-6.jpg" << QSize(420, 64);
        QTest::newRow("above card") << "image/2-7.jpg" << QSize(220, 56);
        QTest::newRow("below card") << "image/2-8.jpg" << QSize(220, 90);
        QTest::newRow("exam navigation") << "image/2-9.jpg" << QSize(440, 40);
        QTest::newRow("exam font size") << "image/2-10.jpg" << QSize(236, 40);
        // Question pictures grow downwards with their content; their width is what the question
        // area is laid out for.
        QTest::newRow("voucher question") << "sample/pictures/q_voucher.png" << QSize(640, -1);
        QTest::newRow("T account question") << "sample/pictures/q_taccount.png" << QSize(640, -1);
    }

    void pictureHasItsSize()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QString path = shipped(file);
        QVERIFY2(!path.isEmpty(), qPrintable(file + " is missing"));
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(file + " does not load"));
        QCOMPARE(image.width(), size.width());
        if (size.height() >= 0)
            QCOMPARE(image.height(), size.height());
        if (file.endsWith(QLatin1String(".bmp"))) {
            // BMP has no alpha anyway; 24 bits is what older viewers and loaders all read.
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray header = f.read(30);
            QCOMPARE(header.left(2), QByteArray("BM"));
            QCOMPARE(int(uchar(header.at(28))), 24);
        }
    }

    void buttonSitsUnderItsHotspot_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QRect>("hotspot");
        QTest::newRow("须知: 下一步") << "image/2-2.jpg" << QRect(467, 438, 89, 31);
        QTest::newRow("确认: 开始答题") << "image/2-3.jpg" << QRect(413, 437, 89, 31);
        QTest::newRow("确认: 退出考场") << "image/2-3.jpg" << QRect(518, 436, 89, 31);
        QTest::newRow("说明: 进入考试") << "image/2-4.jpg" << QRect(466, 563, 89, 31);
        QTest::newRow("交卷") << "image/2-6.jpg" << QRect(330, 16, 80, 32);
        QTest::newRow("第一题") << "image/2-9.jpg" << QRect(4, 4, 100, 32);
        QTest::newRow("上一题") << "image/2-9.jpg" << QRect(112, 4, 100, 32);
        QTest::newRow("下一题") << "image/2-9.jpg" << QRect(228, 4, 100, 32);
        QTest::newRow("最后一题") << "image/2-9.jpg" << QRect(336, 4, 100, 32);
        QTest::newRow("字号小") << "image/2-10.jpg" << QRect(64, 4, 52, 32);
        QTest::newRow("字号原") << "image/2-10.jpg" << QRect(122, 4, 52, 32);
        QTest::newRow("字号大") << "image/2-10.jpg" << QRect(180, 4, 52, 32);
    }

    // Each edge of the drawn button is within a few pixels of the hotspot's edge: just inside
    // the hotspot is button, just outside is not.
    void buttonSitsUnderItsHotspot()
    {
        QFETCH(QString, file);
        QFETCH(QRect, hotspot);
        const QImage image(shipped(file));
        QVERIFY(!image.isNull());
        const int in = 4, out = 4, midY = hotspot.center().y(), nearLeft = hotspot.left() + 10;
        const struct { QPoint inside, outside; const char *edge; } probes[] = {
            {{hotspot.left() + in, midY}, {hotspot.left() - out, midY}, "left"},
            {{hotspot.right() - in, midY}, {hotspot.right() + out, midY}, "right"},
            {{nearLeft, hotspot.top() + in}, {nearLeft, hotspot.top() - out}, "top"},
            {{nearLeft, hotspot.bottom() - in}, {nearLeft, hotspot.bottom() + out}, "bottom"},
        };
        for (const auto &probe : probes) {
            const int d = distance(image.pixel(probe.inside), image.pixel(probe.outside));
            QVERIFY2(d > 50, qPrintable(QStringLiteral("%1 edge: inside and outside differ by %2")
                                            .arg(QLatin1String(probe.edge))
                                            .arg(d)));
        }
    }

    // The confirmation screen leaves room where the window prints the course name.
    void courseNameFieldIsBlank()
    {
        const QImage image(shipped(QStringLiteral("image/2-3.jpg")));
        QVERIFY(!image.isNull());
        int lightest = 0, darkest = 255;
        for (int y = 389; y <= 409; ++y) {
            for (int x = 364; x <= 660; ++x) {
                const int v = qGray(image.pixel(x, y));
                lightest = qMax(lightest, v);
                darkest = qMin(darkest, v);
            }
        }
        QVERIFY2(lightest - darkest < 16,
                 qPrintable(QStringLiteral("grey levels %1 … %2").arg(darkest).arg(lightest)));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
