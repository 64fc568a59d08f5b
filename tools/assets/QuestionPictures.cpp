// Question pictures of the sample bank. A picture takes the place of the question text in the
// practice and exam windows, so each one carries its stem above the figure. The options are
// not drawn: the windows list the question's own options below the picture, and a second copy
// in the picture would go stale the moment the options are reordered.
#include "Assets.h"
#include "Paint.h"

#include <QFontMetrics>

#include <functional>

namespace {

const int Width = 640;
const int Margin = 20;
// Form ink and handwriting, like a printed voucher filled in by hand.
const QColor FormInk(34, 120, 86);
const QColor Hand(30, 44, 96);

// Height of the stem block at the given width.
int stemHeight(const QString &stem)
{
    const QFontMetrics fm(uiFont(17));
    return fm.boundingRect(QRect(0, 0, Width - 2 * Margin, 1000), Qt::TextWordWrap, stem).height();
}

// Stem on top, figure of the given height below it.
QImage questionPicture(const QString &stem, int figureHeight,
                       const std::function<void(QPainter &, int top)> &figure)
{
    const int stemH = stemHeight(stem);
    const int figureTop = Margin + stemH + 18;
    const int height = figureTop + figureHeight + Margin;
    QImage image = newCanvas(Width, height, Ink::Paper);
    QPainter p(&image);
    prepare(p);
    text(p, QRectF(Margin, Margin, Width - 2 * Margin, stemH), Qt::AlignLeft | Qt::TextWordWrap,
         stem, uiFont(17), Ink::Text);
    figure(p, figureTop);
    return image;
}

void voucher(QPainter &p, int top)
{
    const QColor ink = FormInk;
    text(p, QRectF(0, top, Width, 36), Qt::AlignCenter, QStringLiteral("记账凭证"),
         uiFont(26, true), ink);
    p.save();
    p.setPen(QPen(ink, 1.4));
    p.drawLine(QPointF(252, top + 39.5), QPointF(388, top + 39.5));
    p.drawLine(QPointF(252, top + 43.5), QPointF(388, top + 43.5));
    p.restore();
    text(p, QRectF(0, top + 50, Width, 26), Qt::AlignCenter, QStringLiteral("2024年3月5日"),
         uiFont(16), Hand);
    text(p, QRectF(30, top + 50, 560, 26), Qt::AlignRight | Qt::AlignVCenter,
         QStringLiteral("凭证编号  记字第015号"), uiFont(15), ink);

    // Columns: 摘要, 总账科目, 明细科目, 借方金额, 贷方金额.
    const int x0 = 30;
    const int widths[] = {140, 100, 100, 110, 110};
    int xs[6] = {x0};
    for (int i = 0; i < 5; ++i)
        xs[i + 1] = xs[i] + widths[i];
    const int tableTop = top + 84, headH = 34, rowH = 32, bodyRows = 4;
    const int totalTop = tableTop + headH + bodyRows * rowH;
    const int tableBottom = totalTop + rowH;

    p.save();
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(240, 248, 244));
    p.drawRect(QRectF(x0 + 0.5, tableTop + 0.5, xs[5] - x0, headH));
    p.setBrush(Qt::NoBrush);
    for (int r = 1; r <= bodyRows + 1; ++r) {
        const qreal y = tableTop + headH + (r - 1) * rowH + 0.5;
        p.drawLine(QPointF(x0, y), QPointF(xs[5], y));
    }
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(xs[i] + 0.5, tableTop), QPointF(xs[i] + 0.5, tableBottom));
    p.setPen(QPen(ink, 2));
    p.drawRect(QRectF(x0, tableTop, xs[5] - x0, tableBottom - tableTop));
    p.restore();

    const QStringList heads = {QStringLiteral("摘要"), QStringLiteral("总账科目"),
                               QStringLiteral("明细科目"), QStringLiteral("借方金额"),
                               QStringLiteral("贷方金额")};
    for (int i = 0; i < 5; ++i)
        text(p, QRectF(xs[i], tableTop, widths[i], headH), Qt::AlignCenter, heads.at(i),
             uiFont(16, true), ink);

    auto cell = [&](int row, int col, const QString &s) {
        const QRectF r(xs[col] + 8, tableTop + headH + row * rowH, widths[col] - 16, rowH);
        text(p, r, (col >= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, s,
             uiFont(16), Hand);
    };
    cell(0, 0, QStringLiteral("提取现金备用"));
    cell(0, 1, QStringLiteral("库存现金"));
    cell(0, 3, QStringLiteral("5 000.00"));
    cell(1, 1, QStringLiteral("银行存款"));
    cell(1, 4, QStringLiteral("5 000.00"));
    text(p, QRectF(xs[0], totalTop, widths[0], rowH), Qt::AlignCenter,
         QStringLiteral("合　　计"), uiFont(16, true), ink);
    for (int col : {3, 4})
        text(p, QRectF(xs[col] + 8, totalTop, widths[col] - 16, rowH),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("5 000.00"), uiFont(16, true),
             Hand);
    // The blank rows are struck through, as a filled-in voucher is.
    p.save();
    p.setPen(QPen(Hand, 1.2));
    p.drawLine(QPointF(xs[0] + 10, totalTop - 6), QPointF(xs[5] - 10, tableTop + headH + 2 * rowH + 6));
    p.restore();

    // 附件 count, written down the right edge of the form.
    const QString attach = QStringLiteral("附件1张");
    for (int i = 0; i < attach.size(); ++i)
        text(p, QRectF(xs[5] + 4, tableTop + 22 + i * 26, 28, 26), Qt::AlignCenter,
             attach.mid(i, 1), uiFont(15), i == 2 ? Hand : ink);

    const QStringList signs = {QStringLiteral("会计主管"), QStringLiteral("记账"),
                               QStringLiteral("出纳"), QStringLiteral("审核"),
                               QStringLiteral("制单")};
    const qreal step = (xs[5] - x0) / 5.0;
    for (int i = 0; i < signs.size(); ++i)
        text(p, QRectF(x0 + i * step, tableBottom + 10, step, 28),
             Qt::AlignLeft | Qt::AlignVCenter, signs.at(i) + QStringLiteral("："), uiFont(15),
             ink);
}

const int VoucherHeight = 84 + 34 + 5 * 32 + 44;

void tAccount(QPainter &p, int top)
{
    const QColor ink = Ink::Text;
    const qreal left = 110, right = 530, mid = 320;
    text(p, QRectF(0, top, Width, 34), Qt::AlignCenter, QStringLiteral("原材料"),
         uiFont(22, true), ink);
    text(p, QRectF(left, top + 8, 100, 26), Qt::AlignLeft | Qt::AlignBottom,
         QStringLiteral("借方"), uiFont(16, true), Ink::Deep);
    text(p, QRectF(right - 100, top + 8, 100, 26), Qt::AlignRight | Qt::AlignBottom,
         QStringLiteral("贷方"), uiFont(16, true), Ink::Deep);
    const qreal bar = top + 40, rowH = 32;
    const qreal sumLine = bar + 8 + 3 * rowH + 6;
    const qreal bottom = sumLine + rowH + 8;
    p.save();
    p.setPen(roundPen(ink, 2.4));
    p.drawLine(QPointF(left, bar), QPointF(right, bar));
    p.drawLine(QPointF(mid, bar), QPointF(mid, bottom));
    p.setPen(QPen(QColor(150, 164, 178), 1.2));
    p.drawLine(QPointF(left, sumLine), QPointF(right, sumLine));
    p.restore();

    auto entry = [&](bool debit, qreal y, const QString &label, const QString &amount,
                     bool strong = false) {
        const qreal x = debit ? left : mid + 16;
        const qreal w = (debit ? mid - 16 : right) - x;
        text(p, QRectF(x, y, w, rowH), Qt::AlignLeft | Qt::AlignVCenter, label,
             uiFont(16, strong), ink);
        text(p, QRectF(x, y, w, rowH), Qt::AlignRight | Qt::AlignVCenter, amount,
             uiFont(16, strong), Hand);
    };
    const qreal r0 = bar + 8;
    entry(true, r0, QStringLiteral("期初余额"), QStringLiteral("20 000"));
    entry(true, r0 + rowH, QStringLiteral("①"), QStringLiteral("10 000"));
    entry(true, r0 + 2 * rowH, QStringLiteral("②"), QStringLiteral("20 000"));
    entry(false, r0 + rowH, QStringLiteral("③"), QStringLiteral("25 000"));
    entry(true, sumLine + 4, QStringLiteral("本期发生额"), QStringLiteral("30 000"), true);
    entry(false, sumLine + 4, QStringLiteral("本期发生额"), QStringLiteral("25 000"), true);
    // The closing balance is what the question asks, so it is left open and sided with
    // neither column.
    text(p, QRectF(0, bottom + 10, Width, 30), Qt::AlignCenter, QStringLiteral("期末余额：？"),
         uiFont(17, true), ink);
}

const int TAccountHeight = 40 + 8 + 3 * 32 + 6 + 32 + 8 + 44;

}

QList<Asset> drawQuestionPictures()
{
    const QImage voucherPicture = questionPicture(
        QStringLiteral("根据图示记账凭证，该笔经济业务对企业资产总额的影响是（ ）。"), VoucherHeight,
        voucher);
    const QImage tAccountPicture = questionPicture(
        QStringLiteral("根据图示“原材料”T形账户，该账户期末余额为（ ）。"), TAccountHeight, tAccount);
    return {
        {AssetDir::Pictures, QStringLiteral("q_voucher.png"), voucherPicture},
        {AssetDir::Pictures, QStringLiteral("q_taccount.png"), tAccountPicture},
    };
}
