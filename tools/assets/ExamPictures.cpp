// The exam window's pictures: four introductory screens (1000 × 650), the frame of the exam
// screen, and its navigation and font-size bars. The window lays transparent hotspots over the
// screens and bars at fixed places, so each drawn button occupies exactly its hotspot's box.
#include "Assets.h"
#include "Paint.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

namespace {

const QSize Screen(1000, 650);
const QSize Hotspot(89, 31);

QRect hotspot(int left, int top) { return QRect(QPoint(left, top), Hotspot); }

// A numbered circle, the marker of each rule or hint.
void numberMark(QPainter &p, const QPointF &c, int n)
{
    bubble(p, c, 13, Ink::Blue, 255);
    text(p, QRectF(c.x() - 13, c.y() - 13, 26, 26), Qt::AlignCenter, QString::number(n),
         uiFont(15, true), Ink::Paper);
}

void swatch(QPainter &p, const QRectF &r, const QColor &colour, const QColor &edge)
{
    p.save();
    p.setPen(QPen(edge, 1));
    p.setBrush(colour);
    p.drawRoundedRect(r, 4, 4);
    p.restore();
}

// A sheet of paper with ruled answer lines, for the preparing screen.
void paperSheet(QPainter &p, const QRectF &r, qreal angle, bool titled)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF s(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    card(p, s, 10);
    if (titled)
        text(p, QRectF(s.left(), s.top() + 16, s.width(), 24), Qt::AlignCenter,
             QStringLiteral("试  卷"), uiFont(18, true), Ink::Deep);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const qreal y = s.top() + 60 + i * 24;
        p.setBrush(Ink::Answered);
        p.drawEllipse(QPointF(s.left() + 26, y + 4), 5, 5);
        p.setBrush(QColor(214, 228, 238));
        p.drawRoundedRect(QRectF(s.left() + 40, y, s.width() - 70 - (i % 3) * 22, 8), 4, 4);
    }
    p.restore();
}

QImage preparing()
{
    QImage image = newCanvas(Screen.width(), Screen.height(), Ink::Mist);
    QPainter p(&image);
    prepare(p);
    lightBackdrop(p, QRectF(QPointF(0, 0), Screen));

    text(p, QRectF(0, 70, 1000, 70), Qt::AlignCenter, QStringLiteral("模拟考试"),
         uiFont(52, true), Ink::Deep);
    text(p, QRectF(0, 140, 1000, 34), Qt::AlignCenter,
         QStringLiteral("会计从业资格模拟考试系统"), uiFont(20), Ink::Muted);

    bubble(p, QPointF(500, 345), 150, Ink::Blue, 18);
    paperSheet(p, QRectF(360, 214, 210, 250), -7, false);
    paperSheet(p, QRectF(430, 206, 210, 250), 5, true);
    // A clock in front of the papers.
    const QPointF c(612, 420);
    bubble(p, c, 52, QColor(20, 60, 90), 30);
    bubble(p, c, 48, Ink::Blue, 255);
    bubble(p, c, 38, Ink::Paper, 255);
    p.save();
    p.setPen(roundPen(Ink::Blue, 2));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -33), QPointF(0, i % 3 ? -30 : -27));
        p.restore();
    }
    p.setPen(roundPen(Ink::Text, 4));
    p.drawLine(c, c + QPointF(0, -22));
    p.setPen(roundPen(Ink::Flagged, 3));
    p.drawLine(c, c + QPointF(16, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Text);
    p.drawEllipse(c, 4, 4);
    p.restore();

    text(p, QRectF(0, 500, 1000, 40), Qt::AlignCenter, QStringLiteral("正在准备试卷……"),
         uiFont(24, true), Ink::Text);
    const QRectF track(380, 554, 240, 10);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 226, 238));
    p.drawRoundedRect(track, 5, 5);
    QLinearGradient g(track.topLeft(), track.topRight());
    g.setColorAt(0, Ink::Deep);
    g.setColorAt(1, QColor(90, 184, 226));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(track.left(), track.top(), track.width() * 0.62, track.height()), 5,
                      5);
    p.restore();
    text(p, QRectF(0, 576, 1000, 28), Qt::AlignCenter, QStringLiteral("请稍候，试卷准备好后将显示考试须知"),
         uiFont(15), Ink::Muted);
    return image;
}

QImage rules()
{
    QImage image = newCanvas(Screen.width(), Screen.height(), Ink::Mist);
    QPainter p(&image);
    prepare(p);
    lightBackdrop(p, QRectF(QPointF(0, 0), Screen));
    titledCard(p, QRectF(130, 60, 740, 480), QStringLiteral("考试须知"),
               QStringLiteral("第 1 步 / 共 3 步"));

    const QStringList lines = {
        QStringLiteral("考试时间60分钟，进入考场即开始倒计时，剩余5分钟时系统会提醒。"),
        QStringLiteral("单选题20题，每题1分；多选题20题，每题2分；判断题20题，每题1分。"),
        QStringLiteral("分析题共20分，按小题作答、按小题计分；全卷满分100分。"),
        QStringLiteral("多选题须选全选对才得分，少选、多选、错选均不得分。"),
        QStringLiteral("倒计时结束时系统自动交卷；提前答完可随时点击右上角“交卷”。"),
        QStringLiteral("交卷后本次考试即告结束，请确认作答完毕后再交卷。"),
    };
    for (int i = 0; i < lines.size(); ++i) {
        const qreal y = 164 + i * 44;
        numberMark(p, QPointF(186, y), i + 1);
        text(p, QRectF(212, y - 16, 630, 32), Qt::AlignLeft | Qt::AlignVCenter, lines.at(i),
             uiFont(17), Ink::Text);
    }
    button(p, hotspot(467, 438), QStringLiteral("下一步"), ButtonKind::Primary);
    text(p, QRectF(130, 486, 740, 30), Qt::AlignCenter,
         QStringLiteral("请仔细阅读以上须知，阅读完毕后点击“下一步”。"), uiFont(14), Ink::Muted);
    return image;
}

QImage confirm()
{
    QImage image = newCanvas(Screen.width(), Screen.height(), Ink::Mist);
    QPainter p(&image);
    prepare(p);
    lightBackdrop(p, QRectF(QPointF(0, 0), Screen));
    titledCard(p, QRectF(170, 150, 660, 400), QStringLiteral("确认考试信息"),
               QStringLiteral("第 2 步 / 共 3 步"));

    // Labels end just before x 362, where the window prints the course name; that row keeps a
    // blank field for it.
    const qreal labelRight = 354, valueLeft = 362;
    const QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("考试名称："), QStringLiteral("会计从业资格模拟考试")},
        {QStringLiteral("考试时间："), QStringLiteral("60分钟")},
        {QStringLiteral("试卷满分："), QStringLiteral("100分")},
        {QStringLiteral("考试科目："), QString()},
    };
    for (int i = 0; i < rows.size(); ++i) {
        const qreal mid = 399 - (rows.size() - 1 - i) * 46;
        text(p, QRectF(200, mid - 16, labelRight - 200, 32), Qt::AlignRight | Qt::AlignVCenter,
             rows.at(i).first, uiFont(18, true), Ink::Muted);
        if (!rows.at(i).second.isEmpty())
            text(p, QRectF(valueLeft, mid - 16, 400, 32), Qt::AlignLeft | Qt::AlignVCenter,
                 rows.at(i).second, uiFont(18), Ink::Text);
    }
    p.save();
    p.setPen(QPen(QColor(188, 210, 226), 1));
    p.setBrush(QColor(246, 250, 253));
    p.drawRoundedRect(QRectF(357.5, 381.5, 330, 36), 6, 6);
    p.restore();

    button(p, hotspot(413, 437), QStringLiteral("开始答题"), ButtonKind::Primary);
    button(p, hotspot(518, 436), QStringLiteral("退出考场"), ButtonKind::Secondary);
    text(p, QRectF(170, 492, 660, 30), Qt::AlignCenter,
         QStringLiteral("请核对考试科目，无误后点击“开始答题”。"), uiFont(14), Ink::Muted);
    return image;
}

QImage howTo()
{
    QImage image = newCanvas(Screen.width(), Screen.height(), Ink::Mist);
    QPainter p(&image);
    prepare(p);
    lightBackdrop(p, QRectF(QPointF(0, 0), Screen));
    titledCard(p, QRectF(110, 24, 780, 600), QStringLiteral("答题说明"),
               QStringLiteral("第 3 步 / 共 3 步"));

    struct Item { QString title; QString body; };
    const QList<Item> items = {
        {QStringLiteral("答题卡"),
         QStringLiteral("右侧答题卡列出全部题号，点击题号即可跳到该题。题号的颜色：")},
        {QStringLiteral("待查"),
         QStringLiteral("拿不准的题目，点击顶部的“待查”做个标记；再点“取消待查”即可去掉标记。")},
        {QStringLiteral("分录题"),
         QStringLiteral("计算分析题在分录区作答：选择“借”或“贷”，填写会计科目和金额。\n"
                        "科目可点“...”从科目表中选择；点“+”增加一行，点“-”删除一行。")},
        {QStringLiteral("翻题与字号"),
         QStringLiteral("底部按钮可跳到第一题、上一题、下一题、最后一题，并可调小、还原或调大字号。")},
        {QStringLiteral("交卷"),
         QStringLiteral("答完后点击右上角的“交卷”；倒计时结束时系统会自动交卷。")},
    };
    const QFont titleFont = uiFont(18, true), bodyFont = uiFont(16);
    const int bodyWidth = 650;
    const QFontMetrics fm(bodyFont);
    qreal y = 112;
    for (int i = 0; i < items.size(); ++i) {
        numberMark(p, QPointF(166, y + 13), i + 1);
        text(p, QRectF(192, y, 600, 26), Qt::AlignLeft | Qt::AlignVCenter, items.at(i).title,
             titleFont, Ink::Deep);
        const int bodyHeight =
            fm.boundingRect(QRect(0, 0, bodyWidth, 400), Qt::TextWordWrap, items.at(i).body)
                .height();
        text(p, QRectF(192, y + 30, bodyWidth, bodyHeight),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, items.at(i).body, bodyFont,
             Ink::Text);
        y += 30 + bodyHeight;
        if (i == 0) {
            // The card legend, right under the words that introduce it.
            const QList<std::pair<QColor, QString>> legend = {
                {Ink::Current, QStringLiteral("当前题")}, {Ink::Flagged, QStringLiteral("待查")},
                {Ink::Unanswered, QStringLiteral("未做")}, {Ink::Answered, QStringLiteral("已做")},
            };
            qreal x = 192;
            for (const auto &[colour, word] : legend) {
                swatch(p, QRectF(x, y + 8, 20, 20), colour, QColor(150, 178, 198));
                text(p, QRectF(x + 28, y + 6, 80, 24), Qt::AlignLeft | Qt::AlignVCenter, word,
                     uiFont(15), Ink::Text);
                x += 110;
            }
            y += 34;
        }
        y += 18;
    }
    button(p, hotspot(466, 563), QStringLiteral("进入考试"), ButtonKind::Primary);
    return image;
}

// The exam screen's bar: a vertical gradient only, so the stretched top bar and the picture to
// its right meet without a seam at any window width.
void barBackground(QPainter &p, const QRectF &r)
{
    fillVertical(p, r, QColor(46, 154, 206), Ink::Deep);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(r.left(), r.top() + 0.5), QPointF(r.right() + 1, r.top() + 0.5));
    p.setPen(QPen(QColor(10, 90, 130), 1));
    p.drawLine(QPointF(r.left(), r.bottom() + 0.5), QPointF(r.right() + 1, r.bottom() + 0.5));
    p.restore();
}

QImage topBar()
{
    QImage image = newCanvas(800, 64, Ink::Blue);
    QPainter p(&image);
    prepare(p);
    barBackground(p, QRectF(0, 0, 800, 63));
    const QRectF mark(16, 14, 36, 36);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Ink::Paper);
    p.drawRoundedRect(mark, 9, 9);
    p.restore();
    text(p, mark, Qt::AlignCenter, QStringLiteral("账"), uiFont(22, true), Ink::Deep);
    text(p, QRectF(64, 0, 600, 64), Qt::AlignLeft | Qt::AlignVCenter,
         QStringLiteral("会计从业资格模拟考试系统"), uiFont(24, true), Ink::Paper);
    return image;
}

QImage topRight()
{
    QImage image = newCanvas(420, 64, Ink::Blue);
    QPainter p(&image);
    prepare(p);
    barBackground(p, QRectF(0, 0, 420, 63));
    // The left part stays plain for the countdown and the 待查 label the window puts there.
    const QRectF submit(330, 16, 80, 32);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 70, 110, 60));
    p.drawRoundedRect(submit.translated(0, 2), 8, 8);
    p.setBrush(Ink::Paper);
    p.drawRoundedRect(submit, 8, 8);
    p.setPen(roundPen(Ink::Current.darker(130), 2.6));
    p.drawPolyline(QPolygonF({QPointF(344, 32), QPointF(349, 37), QPointF(357, 27)}));
    p.restore();
    text(p, submit.adjusted(24, 0, 0, 0), Qt::AlignCenter, QStringLiteral("交卷"),
         uiFont(17, true), Ink::Deep);
    return image;
}

QImage cardHead()
{
    QImage image = newCanvas(220, 56, Ink::Blue);
    QPainter p(&image);
    prepare(p);
    fillVertical(p, QRectF(0, 0, 220, 56), Ink::Deep, Ink::Blue);
    p.save();
    p.setPen(Qt::NoPen);
    const QColor cells[] = {Ink::Current, Ink::Answered, Ink::Answered, Ink::Unanswered,
                            Ink::Flagged, Ink::Unanswered};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(cells[i]);
        p.drawRoundedRect(QRectF(18 + (i % 3) * 10, 17 + (i / 3) * 12, 8, 10), 2, 2);
    }
    p.restore();
    text(p, QRectF(58, 0, 150, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("答题卡"),
         uiFont(21, true), Ink::Paper);
    return image;
}

QImage cardLegend()
{
    QImage image = newCanvas(220, 90, Ink::Blue);
    QPainter p(&image);
    prepare(p);
    text(p, QRectF(16, 4, 190, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("颜色说明"),
         uiFont(14, true), QColor(226, 242, 250));
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(16, 29.5), QPointF(204, 29.5));
    p.restore();
    const QList<std::pair<QColor, QString>> legend = {
        {Ink::Current, QStringLiteral("当前题")}, {Ink::Flagged, QStringLiteral("待查")},
        {Ink::Unanswered, QStringLiteral("未做")}, {Ink::Answered, QStringLiteral("已做")},
    };
    for (int i = 0; i < legend.size(); ++i) {
        const qreal x = 16 + (i % 2) * 100, y = 38 + (i / 2) * 26;
        swatch(p, QRectF(x, y, 18, 18), legend.at(i).first, Ink::Paper);
        text(p, QRectF(x + 26, y - 3, 70, 24), Qt::AlignLeft | Qt::AlignVCenter,
             legend.at(i).second, uiFont(15), Ink::Paper);
    }
    return image;
}

// A left- (-1) or right-pointing (+1) triangle, doubled against a bar for first and last.
void arrow(QPainter &p, const QPointF &tip, int direction, bool toTheEnd, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal d = direction;
    p.drawPolygon(QPolygonF({tip, tip + QPointF(-7 * d, -5), tip + QPointF(-7 * d, 5)}));
    if (toTheEnd)
        p.drawRect(QRectF(tip.x() + (d > 0 ? 0.5 : -2.5), tip.y() - 5, 2, 10));
    p.restore();
}

// The bottom bar's navigation: first, previous, next and last question, on the bar's colour.
QImage navigation()
{
    QImage image = newCanvas(440, 40, Ink::Mist);
    QPainter p(&image);
    prepare(p);
    struct Nav
    {
        QRect place;
        QString caption;
        int direction;
        bool toTheEnd;
    };
    const Nav buttons[] = {
        {QRect(4, 4, 100, 32), QStringLiteral("第一题"), -1, true},
        {QRect(112, 4, 100, 32), QStringLiteral("上一题"), -1, false},
        {QRect(228, 4, 100, 32), QStringLiteral("下一题"), 1, false},
        {QRect(336, 4, 100, 32), QStringLiteral("最后一题"), 1, true},
    };
    for (const Nav &b : buttons) {
        const bool next = b.direction > 0;
        button(p, b.place, QString(), next ? ButtonKind::Primary : ButtonKind::Secondary);
        const QColor ink = next ? Ink::Paper : QColor(28, 78, 112);
        const QRectF r(b.place);
        const int captionWidth = b.caption.size() * 15;
        const qreal left = r.center().x() - (captionWidth + 16) / 2.0;
        if (next) {
            text(p, QRectF(left, r.top(), captionWidth, r.height()), Qt::AlignCenter, b.caption,
                 uiFont(15, true), ink);
            arrow(p, QPointF(left + captionWidth + 14, r.center().y()), 1, b.toTheEnd, ink);
        } else {
            arrow(p, QPointF(left + 2, r.center().y()), -1, b.toTheEnd, ink);
            text(p, QRectF(left + 16, r.top(), captionWidth, r.height()), Qt::AlignCenter, b.caption,
                 uiFont(15, true), ink);
        }
    }
    return image;
}

// The bottom bar's font size: smaller, the size the exam began with, larger.
QImage fontSize()
{
    QImage image = newCanvas(236, 40, Ink::Mist);
    QPainter p(&image);
    prepare(p);
    text(p, QRectF(0, 0, 60, 40), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("字号"),
         uiFont(15, true), Ink::Muted);
    const std::pair<QRect, int> buttons[] = {
        {QRect(64, 4, 52, 32), 13}, {QRect(122, 4, 52, 32), 16}, {QRect(180, 4, 52, 32), 19}};
    const QString captions[] = {QStringLiteral("A−"), QStringLiteral("A"), QStringLiteral("A+")};
    for (int i = 0; i < 3; ++i) {
        button(p, buttons[i].first, QString(), ButtonKind::Secondary);
        text(p, QRectF(buttons[i].first), Qt::AlignCenter, captions[i], uiFont(buttons[i].second, true),
             QColor(28, 78, 112));
    }
    return image;
}

}

QList<Asset> drawExamPictures()
{
    return {
        {AssetDir::Image, QStringLiteral("2-1.jpg"), preparing()},
        {AssetDir::Image, QStringLiteral("2-2.jpg"), rules()},
        {AssetDir::Image, QStringLiteral("2-3.jpg"), confirm()},
        {AssetDir::Image, QStringLiteral("2-4.jpg"), howTo()},
        {AssetDir::Image, QStringLiteral("2-5.jpg"), topBar()},
        {AssetDir::Image, QStringLiteral("2-6.jpg"), topRight()},
        {AssetDir::Image, QStringLiteral("2-7.jpg"), cardHead()},
        {AssetDir::Image, QStringLiteral("2-8.jpg"), cardLegend()},
        {AssetDir::Image, QStringLiteral("2-9.jpg"), navigation()},
        {AssetDir::Image, QStringLiteral("2-10.jpg"), fontSize()},
    };
}
