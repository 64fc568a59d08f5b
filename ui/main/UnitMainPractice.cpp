// Practice page of the main window: chapter set-up, the result of a run with its five
// reviews, and the set-up of essentials and wrong-question review.
#include "ui/main/UnitMain.h"

#include "core/UnitDefine.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "store/UnitDM.h"
#include "ui/FlatButtons.h"
#include "ui/Guard.h"
#include "ui/practice/UnitZhangJie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString NoChapter = QStringLiteral("请选择章节。。。");
const QString FontPreview = QStringLiteral("字体大小预览");
const QString SpeedControl = QStringLiteral("速度控制，每题");
const QString SecondsBeforeSwitch = QStringLiteral("秒后强制切换");

// Width of the chapter column; the chapter buttons are sized from it before the page is ever
// laid out, so it must not depend on the window size.
constexpr int ChapterColumnWidth = 264;

// Enter on a focused button activates it, as Space does.
class EnterClicks : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *button = qobject_cast<QAbstractButton *>(watched);
            if (button && button->isEnabled() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Keeps an overlay exactly over another widget of the same parent (the period chooser over
// the settings of the review box), whatever the window size.
class OverlayFollower : public QObject
{
public:
    OverlayFollower(QWidget *overlay, QWidget *target) : QObject(overlay), m_overlay(overlay), m_target(target)
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
            m_overlay->setGeometry(m_target->geometry());
            m_overlay->raise();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_overlay;
    QWidget *m_target;
};

QLabel *label(QWidget *parent, const QString &text, const QString &name = QString())
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLabel *strong(QWidget *parent, const QString &text, int pointSize = 0, const QString &name = QString())
{
    QLabel *l = label(parent, text, name);
    QFont f = l->font();
    f.setBold(true);
    if (pointSize > 0)
        f.setPointSize(pointSize);
    l->setFont(f);
    return l;
}

QSpinBox *spin(QWidget *parent, const QString &name, int min, int max, int value)
{
    auto *s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(value);
    s->setMinimumWidth(72);
    return s;
}

QCheckBox *check(QWidget *parent, const QString &name, const QString &text, bool checked)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setChecked(checked);
    return c;
}

QToolButton *button(QWidget *parent, const QString &name, const QString &text, const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(tip);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setMinimumSize(96, 30);
    return b;
}

QLabel *preview(QWidget *parent, const QString &name, int points)
{
    QLabel *l = label(parent, FontPreview, name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    // Tall enough for the largest size, so the page does not jump while the size changes.
    l->setFixedSize(150, 36);
    QFont f = l->font();
    f.setPointSize(points);
    l->setFont(f);
    return l;
}

void setPointSize(QWidget *w, int points)
{
    QFont f = w->font();
    f.setPointSize(points);
    w->setFont(f);
}

// The three explanatory lines that head both set-up boxes.
void addExplanations(QWidget *box, QVBoxLayout *column)
{
    column->addWidget(strong(box, QStringLiteral("练习设置"), 12));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setColumnStretch(1, 1);
    const QString lines[][2] = {
        {QStringLiteral("章节练习："),
         QStringLiteral("提供了所有该课程内所有章节试题，用户选中其中一个章节进行该章节内所有试题的练习。")},
        {QStringLiteral("出题数量："), QStringLiteral("用户可以选择章节内所有题或部分试题进行练习。")},
        {QStringLiteral("练习设置："), QStringLiteral("用户可以设置从第一题或是第几题开始练习以及每题切换强制时间。")},
    };
    int row = 0;
    for (const auto &line : lines) {
        QLabel *caption = strong(box, line[0]);
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QLabel *text = label(box, line[1]);
        text->setWordWrap(true);
        grid->addWidget(caption, row, 0);
        grid->addWidget(text, row, 1);
        ++row;
    }
    column->addLayout(grid);
}

// One line "caption count trailer" of a count box.
void addCountRow(QGridLayout *grid, int row, QWidget *caption, QLabel *count, const QString &trailer,
                 int column = 0)
{
    grid->addWidget(caption, row, column, Qt::AlignRight);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->setMinimumWidth(36);
    grid->addWidget(count, row, column + 1);
    if (!trailer.isEmpty())
        grid->addWidget(new QLabel(trailer, count->parentWidget()), row, column + 2);
}

QString elapsed(const QDateTime &from, const QDateTime &to)
{
    // Only the part below a day is shown; a clock set back counts as no time.
    const qint64 seconds = std::max<qint64>(0, from.secsTo(to)) % 86400;
    return QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

QString points(int hundredths)
{
    return QString::number(hundredths / 100.0, 'f', 2);
}

// Position of the first entry that meets the condition; -1 when none.
template <typename Pred>
int firstEntry(Pred pred)
{
    for (int i = 0; i < ItemList.count(); ++i)
        if (pred(*ItemList.object(i)))
            return i;
    return -1;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Layout

void TMainForm::buildPracticeView()
{
    m_enterClicks = new EnterClicks(this);
    auto enterable = [this](QAbstractButton *b) { b->installEventFilter(m_enterClicks); };

    auto *page = new QHBoxLayout(PanelZJLX);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(8);

    // Left column: course, chapters, the two review buttons.
    auto *GroupBox1 = new QGroupBox(QStringLiteral("章节信息"), PanelZJLX);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *left = new QVBoxLayout(GroupBox1);
    auto *courseRow = new QHBoxLayout;
    QLabel *courseCaption = label(GroupBox1, QStringLiteral("课程信息"));
    cbKeCheng = new QComboBox(GroupBox1);
    cbKeCheng->setObjectName(QStringLiteral("cbKeCheng"));
    cbKeCheng->setToolTip(QStringLiteral("选择要练习的课程"));
    cbKeCheng->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbKeCheng->setMinimumContentsLength(8);
    courseCaption->setBuddy(cbKeCheng);
    courseRow->addWidget(courseCaption);
    courseRow->addWidget(cbKeCheng, 1);
    left->addLayout(courseRow);

    auto *GroupBox2 = new QGroupBox(QStringLiteral("章节列表"), GroupBox1);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *chapters = new QVBoxLayout(GroupBox2);
    chapters->setContentsMargins(4, 4, 4, 4);
    ScrollBoxZhangJie = new QScrollArea(GroupBox2);
    ScrollBoxZhangJie->setObjectName(QStringLiteral("ScrollBoxZhangJie"));
    ScrollBoxZhangJie->setFrameShape(QFrame::NoFrame);
    ScrollBoxZhangJie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBoxZhangJie->setWidgetResizable(true);
    ScrollBoxZhangJie->setFixedWidth(ChapterColumnWidth);
    // A slim bar: the buttons end 10 px before the right edge and stay clear of it.
    ScrollBoxZhangJie->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { width: 8px; background: transparent; margin: 0; }"
        "QScrollBar::handle:vertical { background: #b4c4d4; border-radius: 4px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    auto *chapterHost = new QWidget;
    chapterHost->setObjectName(QStringLiteral("ScrollBoxZhangJieContents"));
    ScrollBoxZhangJie->setWidget(chapterHost);
    chapters->addWidget(ScrollBoxZhangJie);
    left->addWidget(GroupBox2, 1);

    SpeedButton24 = button(GroupBox1, QStringLiteral("SpeedButton24"), QStringLiteral("精华试题"),
                           QStringLiteral("练习所有标为精华的试题"));
    SpeedButton27 = button(GroupBox1, QStringLiteral("SpeedButton27"), QStringLiteral("错题复习"),
                           QStringLiteral("练习选定时间以来答错的试题"));
    for (QToolButton *b : {SpeedButton24, SpeedButton27}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumHeight(34);
        left->addWidget(b);
        enterable(b);
    }
    page->addWidget(GroupBox1);

    PracticeArea = new QStackedWidget(PanelZJLX);
    PracticeArea->setObjectName(QStringLiteral("PracticeArea"));
    page->addWidget(PracticeArea, 1);

    // Chapter set-up.
    gbTiKuXinXi = new QGroupBox(QStringLiteral("题库信息"), PracticeArea);
    gbTiKuXinXi->setObjectName(QStringLiteral("gbTiKuXinXi"));
    {
        auto *column = new QVBoxLayout(gbTiKuXinXi);
        column->setSpacing(10);
        addExplanations(gbTiKuXinXi, column);
        auto *boxes = new QHBoxLayout;

        auto *counts = new QGroupBox(QStringLiteral("本章练习题库信息"), gbTiKuXinXi);
        counts->setObjectName(QStringLiteral("GroupBoxTiKu"));
        auto *cg = new QGridLayout(counts);
        cg->setColumnStretch(3, 1);
        cg->addWidget(label(counts, QStringLiteral("当前章节：")), 0, 0, Qt::AlignRight);
        lblXuanZeZhangJie = strong(counts, NoChapter, 0, QStringLiteral("lblXuanZeZhangJie"));
        lblXuanZeZhangJie->setWordWrap(true);
        cg->addWidget(lblXuanZeZhangJie, 0, 1, 1, 3);
        lblZhangJieCnt = label(counts, QStringLiteral("0"), QStringLiteral("lblZhangJieCnt"));
        lblZJDanXuanCnt = label(counts, QStringLiteral("0"), QStringLiteral("lblZJDanXuanCnt"));
        lblZJDuoXuanCnt = label(counts, QStringLiteral("0"), QStringLiteral("lblZJDuoXuanCnt"));
        lblZJPanDuanCnt = label(counts, QStringLiteral("0"), QStringLiteral("lblZJPanDuanCnt"));
        lblfenxi = label(counts, QStringLiteral("计算分析题："), QStringLiteral("lblfenxi"));
        lblZJFenxiCnt = label(counts, QStringLiteral("0"), QStringLiteral("lblZJFenxiCnt"));
        addCountRow(cg, 1, label(counts, QStringLiteral("共有：")), lblZhangJieCnt, QStringLiteral("题"));
        addCountRow(cg, 2, label(counts, QStringLiteral("单选题：")), lblZJDanXuanCnt, QStringLiteral("题，每题1分"));
        addCountRow(cg, 3, label(counts, QStringLiteral("多选题：")), lblZJDuoXuanCnt, QStringLiteral("题，每题2分"));
        addCountRow(cg, 4, label(counts, QStringLiteral("判断题：")), lblZJPanDuanCnt, QStringLiteral("题，每题1分"));
        addCountRow(cg, 5, lblfenxi, lblZJFenxiCnt, QStringLiteral("题"));
        cg->setRowStretch(6, 1);
        boxes->addWidget(counts, 2);

        auto *choices = new QGroupBox(QStringLiteral("本次练习设置"), gbTiKuXinXi);
        choices->setObjectName(QStringLiteral("GroupBoxSheZhi"));
        auto *sg = new QGridLayout(choices);
        sg->setColumnStretch(3, 1);
        cbZhangJieAll = check(choices, QStringLiteral("cbZhangJieAll"), QStringLiteral("全部习题"), true);
        cbZhangJieAll->setToolTip(QStringLiteral("勾选时按四个数量框中的题数练习"));
        sg->addWidget(cbZhangJieAll, 0, 0, 1, 3);
        cbDanXuan = check(choices, QStringLiteral("cbDanXuan"), QStringLiteral("单选题："), false);
        cbDuoXuan = check(choices, QStringLiteral("cbDuoXuan"), QStringLiteral("多选题："), false);
        cbPanDuan = check(choices, QStringLiteral("cbPanDuan"), QStringLiteral("判断题："), false);
        cbFenXi = check(choices, QStringLiteral("cbFenXi"), QStringLiteral("计算题："), false);
        seDanXunShuLiang = spin(choices, QStringLiteral("seDanXunShuLiang"), 0, 5000, 0);
        seDuoXuanShuLiang = spin(choices, QStringLiteral("seDuoXuanShuLiang"), 0, 5000, 0);
        sePanDuanShuLiang = spin(choices, QStringLiteral("sePanDuanShuLiang"), 0, 5000, 0);
        seFenXiShuLiang = spin(choices, QStringLiteral("seFenXiShuLiang"), 0, 5000, 0);
        const std::pair<QCheckBox *, QSpinBox *> types[] = {{cbDanXuan, seDanXunShuLiang},
                                                           {cbDuoXuan, seDuoXuanShuLiang},
                                                           {cbPanDuan, sePanDuanShuLiang},
                                                           {cbFenXi, seFenXiShuLiang}};
        int row = 1;
        for (const auto &[box, amount] : types) {
            box->setEnabled(false);
            amount->setEnabled(false);
            amount->setToolTip(QStringLiteral("本次练习的题数"));
            sg->addWidget(box, row, 0);
            sg->addWidget(amount, row, 1);
            ++row;
        }
        cbDaTiSuDu = check(choices, QStringLiteral("cbDaTiSuDu"), SpeedControl, true);
        seQieHuanMiaoShu = spin(choices, QStringLiteral("seQieHuanMiaoShu"), 0, 2000, 1000);
        seQieHuanMiaoShu->setToolTip(QStringLiteral("每题停留的秒数，到时自动切换到下一题"));
        sg->addWidget(cbDaTiSuDu, row, 0);
        sg->addWidget(seQieHuanMiaoShu, row, 1);
        sg->addWidget(label(choices, SecondsBeforeSwitch), row, 2);
        ++row;
        cbShunXu = check(choices, QStringLiteral("cbShunXu"), QStringLiteral("随机排列题目和选项顺序"), true);
        sg->addWidget(cbShunXu, row++, 0, 1, 3);
        QLabel *fontCaption = label(choices, QStringLiteral("字体大小："));
        seZiTiDaXiao = spin(choices, QStringLiteral("seZiTiDaXiao"), 9, 16, 12);
        seZiTiDaXiao->setToolTip(QStringLiteral("练习窗口中题目文字的大小（磅）"));
        fontCaption->setBuddy(seZiTiDaXiao);
        sg->addWidget(fontCaption, row, 0, Qt::AlignRight);
        sg->addWidget(seZiTiDaXiao, row, 1);
        pnlZitiYuLan = preview(choices, QStringLiteral("pnlZitiYuLan"), seZiTiDaXiao->value());
        sg->addWidget(pnlZitiYuLan, row++, 2, 1, 2, Qt::AlignLeft);
        sg->setRowStretch(row, 1);
        boxes->addWidget(choices, 3);
        column->addLayout(boxes);

        sbKaiShiLianXi = button(gbTiKuXinXi, QStringLiteral("sbKaiShiLianXi"), QStringLiteral("开始练习"),
                                QStringLiteral("按以上设置开始本章练习"));
        sbKaiShiLianXi->setMinimumSize(140, 36);
        sbKaiShiLianXi->setEnabled(false);
        enterable(sbKaiShiLianXi);
        column->addWidget(sbKaiShiLianXi, 0, Qt::AlignHCenter);
        column->addStretch(1);
    }
    PracticeArea->addWidget(gbTiKuXinXi);

    // Result of the last run.
    gbRes = new QGroupBox(QStringLiteral("练习成绩"), PracticeArea);
    gbRes->setObjectName(QStringLiteral("gbRes"));
    {
        auto *column = new QVBoxLayout(gbRes);
        column->setSpacing(10);
        column->addWidget(strong(gbRes, QStringLiteral("本次练习成绩"), 14, QStringLiteral("Label9")));
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(16);
        grid->setVerticalSpacing(8);
        grid->setColumnStretch(4, 1);
        lblResKeCheng = label(gbRes, QString(), QStringLiteral("lblResKeCheng"));
        lblResZhangJie = label(gbRes, QString(), QStringLiteral("lblResZhangJie"));
        lblResKaiShi = label(gbRes, QString(), QStringLiteral("lblResKaiShi"));
        lblResYongShi = label(gbRes, QString(), QStringLiteral("lblResYongShi"));
        grid->addWidget(strong(gbRes, QStringLiteral("练习课程"), 0, QStringLiteral("Label21")), 0, 0);
        grid->addWidget(lblResKeCheng, 0, 1);
        grid->addWidget(strong(gbRes, QStringLiteral("练习章节"), 0, QStringLiteral("Label25")), 0, 2);
        grid->addWidget(lblResZhangJie, 0, 3);
        grid->addWidget(strong(gbRes, QStringLiteral("开始时间"), 0, QStringLiteral("Label26")), 1, 0);
        grid->addWidget(lblResKaiShi, 1, 1);
        grid->addWidget(strong(gbRes, QStringLiteral("练习用时"), 0, QStringLiteral("Label27")), 1, 2);
        grid->addWidget(lblResYongShi, 1, 3);
        lblResZongGong = label(gbRes, QString(), QStringLiteral("lblResZongGong"));
        lblResYiDa = label(gbRes, QString(), QStringLiteral("lblResYiDa"));
        lblResWeiDa = label(gbRes, QString(), QStringLiteral("lblResWeiDa"));
        lblResDui = label(gbRes, QString(), QStringLiteral("lblResDui"));
        lblResCuo = label(gbRes, QString(), QStringLiteral("lblResCuo"));
        grid->addWidget(lblResZongGong, 2, 0, 1, 4);
        grid->addWidget(lblResYiDa, 3, 0, 1, 2);
        grid->addWidget(lblResWeiDa, 3, 2, 1, 2);
        grid->addWidget(lblResDui, 4, 0, 1, 2);
        grid->addWidget(lblResCuo, 4, 2, 1, 2);
        for (int i = 0; i < grid->count(); ++i)
            setPointSize(grid->itemAt(i)->widget(), 11);
        column->addLayout(grid);

        auto *score = new QVBoxLayout;
        score->setSpacing(6);
        lblResManFen = strong(gbRes, QString(), 14, QStringLiteral("lblResManFen"));
        lblResDeFen = strong(gbRes, QString(), 14, QStringLiteral("lblResDeFen"));
        lblResZhengQueLv = strong(gbRes, QString(), 14, QStringLiteral("lblResZhengQueLv"));
        lblResDeFen->setStyleSheet(QStringLiteral("color: #c0392b;"));
        for (QLabel *l : {lblResManFen, lblResDeFen, lblResZhengQueLv})
            score->addWidget(l);
        column->addLayout(score);

        auto *reviews = new QHBoxLayout;
        SpeedButton14 = button(gbRes, QStringLiteral("SpeedButton14"), QStringLiteral("查看所有答案"),
                               QStringLiteral("逐题查看本次练习的全部试题及答案"));
        SpeedButton15 = button(gbRes, QStringLiteral("SpeedButton15"), QStringLiteral("查看错题"),
                               QStringLiteral("只看得分为0的试题"));
        SpeedButton16 = button(gbRes, QStringLiteral("SpeedButton16"), QStringLiteral("查看对题"),
                               QStringLiteral("只看答对的试题"));
        SpeedButton17 = button(gbRes, QStringLiteral("SpeedButton17"), QStringLiteral("未做题目"),
                               QStringLiteral("只看没有作答的试题"));
        SpeedButton18 = button(gbRes, QStringLiteral("SpeedButton18"), QStringLiteral("重新练习"),
                               QStringLiteral("清除答案，把本次试题从头再做一遍"));
        for (QToolButton *b : {SpeedButton14, SpeedButton15, SpeedButton16, SpeedButton17, SpeedButton18}) {
            reviews->addWidget(b);
            enterable(b);
        }
        reviews->addStretch(1);
        column->addSpacing(8);
        column->addLayout(reviews);
        column->addStretch(1);
    }
    PracticeArea->addWidget(gbRes);

    // Essentials and wrong-question review.
    gbJHCT = new QGroupBox(QStringLiteral("精华类复习"), PracticeArea);
    gbJHCT->setObjectName(QStringLiteral("gbJHCT"));
    QGroupBox *settings = nullptr;
    {
        auto *column = new QVBoxLayout(gbJHCT);
        column->setSpacing(10);
        addExplanations(gbJHCT, column);

        auto *counts = new QFrame(gbJHCT);
        counts->setObjectName(QStringLiteral("PanelJHCTCnt"));
        counts->setFrameShape(QFrame::StyledPanel);
        auto *cg = new QGridLayout(counts);
        cg->setColumnMinimumWidth(3, 24);
        cg->setColumnStretch(6, 1);
        cg->addWidget(label(counts, QStringLiteral("当前章节：")), 0, 0, Qt::AlignRight);
        lblJHCT_CAP = strong(counts, NoChapter, 0, QStringLiteral("lblJHCT_CAP"));
        cg->addWidget(lblJHCT_CAP, 0, 1, 1, 6);
        lblJHCT_all = label(counts, QStringLiteral("0"), QStringLiteral("lblJHCT_all"));
        lblJHCT_danxuan = label(counts, QStringLiteral("0"), QStringLiteral("lblJHCT_danxuan"));
        lblJHCT_duoxuan = label(counts, QStringLiteral("0"), QStringLiteral("lblJHCT_duoxuan"));
        lblJHCT_panduan = label(counts, QStringLiteral("0"), QStringLiteral("lblJHCT_panduan"));
        lblJHCT_fenxi = label(counts, QStringLiteral("0"), QStringLiteral("lblJHCT_fenxi"));
        addCountRow(cg, 1, label(counts, QStringLiteral("本次共计有：")), lblJHCT_all, QStringLiteral("题"));
        addCountRow(cg, 2, label(counts, QStringLiteral("单选题：")), lblJHCT_danxuan, QStringLiteral("题，每题1分"));
        addCountRow(cg, 2, label(counts, QStringLiteral("多选题：")), lblJHCT_duoxuan, QStringLiteral("题，每题2分"), 4);
        addCountRow(cg, 3, label(counts, QStringLiteral("判断题：")), lblJHCT_panduan, QStringLiteral("题，每题1分"));
        addCountRow(cg, 3, label(counts, QStringLiteral("案例分析题：")), lblJHCT_fenxi, QStringLiteral("题，每题10分"), 4);
        column->addWidget(counts);

        settings = new QGroupBox(QStringLiteral("题目设置"), gbJHCT);
        settings->setObjectName(QStringLiteral("GroupBoxTiMuSheZhi"));
        auto *sg = new QGridLayout(settings);
        sg->setColumnStretch(4, 1);
        int row = 0;
        QLabel *selectCaption = label(settings, QStringLiteral("本次练习题目数量："));
        seJHCT_select = spin(settings, QStringLiteral("seJHCT_select"), 1, 2000, 1);
        seJHCT_select->setToolTip(QStringLiteral("练习到第几题为止"));
        selectCaption->setBuddy(seJHCT_select);
        sg->addWidget(selectCaption, row, 0, Qt::AlignRight);
        sg->addWidget(seJHCT_select, row++, 1);
        QLabel *startCaption = label(settings, QStringLiteral("从第"));
        seJHCT_start = spin(settings, QStringLiteral("seJHCT_start"), 1, 2000, 1);
        seJHCT_start->setToolTip(QStringLiteral("从第几题开始练习"));
        startCaption->setBuddy(seJHCT_start);
        sg->addWidget(startCaption, row, 0, Qt::AlignRight);
        sg->addWidget(seJHCT_start, row, 1);
        sg->addWidget(label(settings, QStringLiteral("题开始")), row++, 2);
        cbJHCTDaTiSuDu = check(settings, QStringLiteral("cbJHCTDaTiSuDu"), SpeedControl, false);
        seJHCTQieHuanMiaoShu = spin(settings, QStringLiteral("seJHCTQieHuanMiaoShu"), 0, 2000, 1000);
        seJHCTQieHuanMiaoShu->setToolTip(QStringLiteral("每题停留的秒数，到时自动切换到下一题"));
        sg->addWidget(cbJHCTDaTiSuDu, row, 0, Qt::AlignRight);
        sg->addWidget(seJHCTQieHuanMiaoShu, row, 1);
        sg->addWidget(label(settings, SecondsBeforeSwitch), row++, 2);
        QLabel *fontCaption = label(settings, QStringLiteral("字体大小："));
        seJHCT_fontsize = spin(settings, QStringLiteral("seJHCT_fontsize"), 9, 16, 12);
        seJHCT_fontsize->setToolTip(QStringLiteral("练习窗口中题目文字的大小（磅）"));
        fontCaption->setBuddy(seJHCT_fontsize);
        sg->addWidget(fontCaption, row, 0, Qt::AlignRight);
        sg->addWidget(seJHCT_fontsize, row, 1);
        pnlJHCTZitiYuLan = preview(settings, QStringLiteral("pnlJHCTZitiYuLan"), seJHCT_fontsize->value());
        sg->addWidget(pnlJHCTZitiYuLan, row++, 2, 1, 2, Qt::AlignLeft);
        sbJHCTKaiShiLianXi = button(settings, QStringLiteral("sbJHCTKaiShiLianXi"), QStringLiteral("开始练习"),
                                    QStringLiteral("按以上设置开始复习"));
        sbJHCTKaiShiLianXi->setMinimumSize(140, 36);
        sbJHCTKaiShiLianXi->setEnabled(false);
        enterable(sbJHCTKaiShiLianXi);
        sg->addWidget(sbJHCTKaiShiLianXi, row++, 0, 1, 5, Qt::AlignHCenter);
        column->addWidget(settings);
        column->addStretch(1);

        // The period chooser lies over the settings until a period is confirmed or cancelled.
        pnlCTZQ = new QFrame(gbJHCT);
        pnlCTZQ->setObjectName(QStringLiteral("pnlCTZQ"));
        static_cast<QFrame *>(pnlCTZQ)->setFrameShape(QFrame::StyledPanel);
        pnlCTZQ->setAutoFillBackground(true);
        auto *chooser = new QVBoxLayout(pnlCTZQ);
        chooser->setContentsMargins(24, 16, 24, 16);
        chooser->addStretch(1);
        rbToDay = new QRadioButton(QStringLiteral("当天错题"), pnlCTZQ);
        rbToDay->setObjectName(QStringLiteral("rbToDay"));
        rbToDay->setChecked(true);
        rbWeek = new QRadioButton(QStringLiteral("最近一周错题"), pnlCTZQ);
        rbWeek->setObjectName(QStringLiteral("rbWeek"));
        rbMonth = new QRadioButton(QStringLiteral("最近一月错题"), pnlCTZQ);
        rbMonth->setObjectName(QStringLiteral("rbMonth"));
        rbAll = new QRadioButton(QStringLiteral("所有错题"), pnlCTZQ);
        rbAll->setObjectName(QStringLiteral("rbAll"));
        for (QRadioButton *r : {rbToDay, rbWeek, rbMonth, rbAll})
            chooser->addWidget(r);
        auto *confirm = new QHBoxLayout;
        SpeedButton28 = button(pnlCTZQ, QStringLiteral("SpeedButton28"), QStringLiteral("确定"),
                               QStringLiteral("统计所选时间段内的错题"));
        SpeedButton29 = button(pnlCTZQ, QStringLiteral("SpeedButton29"), QStringLiteral("取消"),
                               QStringLiteral("不选择时间段"));
        confirm->addWidget(SpeedButton28);
        confirm->addWidget(SpeedButton29);
        confirm->addStretch(1);
        enterable(SpeedButton28);
        enterable(SpeedButton29);
        chooser->addLayout(confirm);
        chooser->addStretch(1);
        new OverlayFollower(pnlCTZQ, settings);
        pnlCTZQ->raise();
    }
    PracticeArea->addWidget(gbJHCT);
    PracticeArea->setCurrentWidget(gbTiKuXinXi);

    // Keyboard order follows the reading order; the overlay's controls come right after the
    // review buttons that open it.
    QWidget *order[] = {cbKeCheng, SpeedButton24, SpeedButton27, rbToDay, rbWeek, rbMonth, rbAll,
                        SpeedButton28, SpeedButton29, seJHCT_select, seJHCT_start, cbJHCTDaTiSuDu,
                        seJHCTQieHuanMiaoShu, seJHCT_fontsize, sbJHCTKaiShiLianXi};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cbKeCheng, &QComboBox::currentIndexChanged, this, [this] { cbKeChengChange(); });
    connect(cbZhangJieAll, &QCheckBox::toggled, this, [this] { cbZhangJieAllClick(); });
    connect(seZiTiDaXiao, &QSpinBox::valueChanged, this, [this] { seZiTiDaXiaoChange(); });
    connect(sbKaiShiLianXi, &QToolButton::clicked, this, [this] { sbKaiShiLianXiClick(); });
    connect(SpeedButton14, &QToolButton::clicked, this, [this] { SpeedButton14Click(); });
    connect(SpeedButton15, &QToolButton::clicked, this, [this] { SpeedButton15Click(); });
    connect(SpeedButton16, &QToolButton::clicked, this, [this] { SpeedButton16Click(); });
    connect(SpeedButton17, &QToolButton::clicked, this, [this] { SpeedButton17Click(); });
    connect(SpeedButton18, &QToolButton::clicked, this, [this] { SpeedButton18Click(); });
    connect(SpeedButton24, &QToolButton::clicked, this, [this] { SpeedButton24Click(); });
    connect(SpeedButton27, &QToolButton::clicked, this, [this] { SpeedButton27Click(); });
    connect(SpeedButton28, &QToolButton::clicked, this, [this] { SpeedButton28Click(); });
    connect(SpeedButton29, &QToolButton::clicked, this, [this] { SpeedButton29Click(); });
    connect(sbJHCTKaiShiLianXi, &QToolButton::clicked, this, [this] { sbJHCTKaiShiLianXiClick(); });
    connect(seJHCT_fontsize, &QSpinBox::valueChanged, this, [this] { seJHCT_fontsizeChange(); });
}

// ---------------------------------------------------------------------------------------
// Chapter set-up

void TMainForm::SpeedButton3Click()
{
    bringToFront(PanelZJLX);
    cbZhangJieAll->setChecked(true);
    lblXuanZeZhangJie->setText(NoChapter);
    sbKaiShiLianXi->setEnabled(false);
    for (QLabel *l : {lblZhangJieCnt, lblZJDanXuanCnt, lblZJDuoXuanCnt, lblZJPanDuanCnt, lblZJFenxiCnt})
        l->setText(QStringLiteral("0"));
    for (QSpinBox *s : {seDanXunShuLiang, seDuoXuanShuLiang, sePanDuanShuLiang, seFenXiShuLiang})
        s->setValue(0);
    cbDaTiSuDu->setChecked(true);
    cbShunXu->setChecked(true);
    if (!guarded(this, [this] { m_dm->GetKeChengInfo(); }))
        return;
    {
        // The refill selects nothing by itself; the course change runs once, below.
        const QSignalBlocker quiet(cbKeCheng);
        cbKeCheng->clear();
        for (int i = 0; i < KeChengList.count(); ++i)
            cbKeCheng->addItem(KeChengList.text(i));
        cbKeCheng->setCurrentIndex(cbKeCheng->count() > 0 ? 0 : -1);
    }
    cbKeChengChange();
}

void TMainForm::cbKeChengChange()
{
    PracticeArea->setCurrentWidget(gbTiKuXinXi);
    const int course = KeChengList.indexOf(cbKeCheng->currentText());
    if (course < 0)
        return;
    const TKeCheng *keCheng = KeChengList.object(course);
    if (keCheng->KeChengName.left(4) == QStringLiteral("会计基础")) {
        lblfenxi->setText(QStringLiteral("计算分析题："));
        cbFenXi->setText(QStringLiteral("计算题："));
    } else if (keCheng->KeChengName.left(4) == QStringLiteral("财经法规")) {
        lblfenxi->setText(QStringLiteral("案例分析题："));
        cbFenXi->setText(QStringLiteral("案例题："));
    }
    lblXuanZeZhangJie->setText(NoChapter);
    sbKaiShiLianXi->setEnabled(false);
    if (frmZhangJie) {
        frmZhangJie->KeChengID = keCheng->KeChengID;
        frmZhangJie->KeChengName = keCheng->KeChengName;
    }
    // Our own count, not ZhangJieList's: the exam page refills that list with its papers.
    for (int i = 0; i < m_zhangJieButtonCount; ++i)
        RemoveFlatButton(this, QStringLiteral("sbZhangJie%1").arg(i));
    m_zhangJieButtonCount = 0;
    const QString keChengID = keCheng->KeChengID; // the reload below may free the record
    if (!guarded(this, [&] { m_dm->GetZhangJIe(keChengID, QStringLiteral("1")); }))
        return;
    QWidget *host = ScrollBoxZhangJie->widget();
    const int width = ScrollBoxZhangJie->width() - 20;
    QWidget *previous = cbKeCheng; // keyboard order: course, chapters, review buttons
    for (int i = 0; i < ZhangJieList.count(); ++i) {
        QToolButton *b = EnsureFlatButton(this, host, QStringLiteral("sbZhangJie%1").arg(i),
                                          ZhangJieList.object(i)->ZhangJieName, QRect(10, 12 + 32 * i, width, 30), 11);
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(m_enterClicks);
        disconnect(b, &QToolButton::clicked, this, nullptr);
        connect(b, &QToolButton::clicked, this, [this, b] { sbZhangJieClick(b); });
        QWidget::setTabOrder(previous, b);
        previous = b;
        m_zhangJieButtonCount = i + 1;
    }
    QWidget::setTabOrder(previous, SpeedButton24);
    // The scroll area scrolls over every button.
    host->setMinimumHeight(12 + 32 * m_zhangJieButtonCount);
    ScrollBoxZhangJie->verticalScrollBar()->setValue(0);
}

void TMainForm::sbZhangJieClick(QToolButton *sender)
{
    PracticeArea->setCurrentWidget(gbTiKuXinXi);
    const int course = KeChengList.indexOf(cbKeCheng->currentText());
    if (course < 0 || !sender)
        return;
    const QString keChengID = KeChengList.object(course)->KeChengID;
    const int chapter = ZhangJieList.indexOf(sender->text());
    if (chapter < 0)
        return;
    const TZhangJie *zhangJie = ZhangJieList.object(chapter);
    if (frmZhangJie) {
        frmZhangJie->ZhangJieID = zhangJie->ZhangJieID;
        frmZhangJie->ZhangJieName = zhangJie->ZhangJieName;
    }
    lblXuanZeZhangJie->setText(sender->text());
    if (!fillChapterCounts(keChengID, zhangJie->ZhangJieID)) {
        // Without its counts the chapter cannot be practised.
        lblXuanZeZhangJie->setText(NoChapter);
        sbKaiShiLianXi->setEnabled(false);
        return;
    }
    sbKaiShiLianXi->setEnabled(true);
}

void TMainForm::SelectZhangJie(const QString &KeCheng_ID, const QString &ZhangJie_ID)
{
    fillChapterCounts(KeCheng_ID, ZhangJie_ID);
}

bool TMainForm::fillChapterCounts(const QString &KeCheng_ID, const QString &ZhangJie_ID)
{
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetItemCnt(KeCheng_ID, ZhangJie_ID, zong, dan, duo, pan, fen); }))
        return false;
    lblZhangJieCnt->setText(QString::number(dan + duo + pan + fen));
    const std::tuple<QLabel *, QSpinBox *, int> types[] = {{lblZJDanXuanCnt, seDanXunShuLiang, dan},
                                                          {lblZJDuoXuanCnt, seDuoXuanShuLiang, duo},
                                                          {lblZJPanDuanCnt, sePanDuanShuLiang, pan},
                                                          {lblZJFenxiCnt, seFenXiShuLiang, fen}};
    for (const auto &[count, amount, n] : types) {
        count->setText(QString::number(n));
        amount->setMaximum(n);
        amount->setValue(n);
    }
    return true;
}

void TMainForm::cbZhangJieAllClick()
{
    const bool own = !cbZhangJieAll->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{cbDanXuan, seDanXunShuLiang, cbDuoXuan, seDuoXuanShuLiang,
                                                       cbPanDuan, sePanDuanShuLiang, cbFenXi, seFenXiShuLiang})
        w->setEnabled(own);
}

void TMainForm::seZiTiDaXiaoChange()
{
    setPointSize(pnlZitiYuLan, seZiTiDaXiao->value());
}

void TMainForm::sbKaiShiLianXiClick()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("First");
    f->DanXunCnt = cbDanXuan->isChecked() ? seDanXunShuLiang->value() : 0;
    f->DuoXuanCnt = cbDuoXuan->isChecked() ? seDuoXuanShuLiang->value() : 0;
    f->PanDuanCnt = cbPanDuan->isChecked() ? sePanDuanShuLiang->value() : 0;
    f->FenXiCnt = cbFenXi->isChecked() ? seFenXiShuLiang->value() : 0;
    if (cbZhangJieAll->isChecked()) {
        f->DanXunCnt = seDanXunShuLiang->value();
        f->DuoXuanCnt = seDuoXuanShuLiang->value();
        f->PanDuanCnt = sePanDuanShuLiang->value();
        f->FenXiCnt = seFenXiShuLiang->value();
    }
    f->setTextFontSize(seZiTiDaXiao->value());
    const int total = f->DanXunCnt + f->DuoXuanCnt + f->PanDuanCnt + f->FenXiCnt;
    f->lblTotal->setText(QStringLiteral("本次题量共：%1题").arg(total));
    f->lblDanXuan->setText(QStringLiteral("单选题量为：%1题").arg(f->DanXunCnt));
    f->lblDuoXuan->setText(QStringLiteral("多选题量为：%1题").arg(f->DuoXuanCnt));
    f->lblPanDuan->setText(QStringLiteral("判断题量为：%1题").arg(f->PanDuanCnt));
    f->lblFenXi->setText(lblfenxi->text() + QString::number(f->FenXiCnt) + QStringLiteral("题"));
    startPracticeRun(cbDaTiSuDu->isChecked(), seQieHuanMiaoShu->value());
}

// Loads the list and runs it: the common end of the chapter and the review starts.
void TMainForm::startPracticeRun(bool forcedSwitching, int seconds)
{
    TfrmZhangJie *f = frmZhangJie;
    // A failed load ends the start; the window is not shown on a half-built list.
    if (!guarded(this, [f] { f->InitItemList(); }))
        return;
    f->StartTime = Clock::now();
    if (forcedSwitching) {
        f->QieHuan = true;
        f->QieHuaDiv = seconds;
        f->QieHuaCnt = 0;
    } else {
        f->QieHuan = false;
        f->lvlQieHuanLeft->setText(QStringLiteral("----"));
    }
    f->TimerDaTi->setInterval(1000);
    f->TimerDaTi->start();
    f->Test_ID = Clock::now().toString(QStringLiteral("yyyyMMddhhmmss"));
    runPractice();
}

void TMainForm::runPractice()
{
    // However the window was closed, the result follows.
    Modal::show(frmZhangJie);
    ShowResultZJ();
}

// ---------------------------------------------------------------------------------------
// Result and review

void TMainForm::ShowResultZJ()
{
    const TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    lblResKeCheng->setText(f->KeChengName);
    lblResZhangJie->setText(f->ZhangJieName);
    lblResKaiShi->setText(f->StartTime.toString(QStringLiteral("hh:mm:ss")));
    lblResYongShi->setText(elapsed(f->StartTime, Clock::now()));
    lblResZongGong->setText(QStringLiteral("本次练习题量共：%1题").arg(f->YiLianXiCnt + f->WeiLianXiCnt));
    lblResYiDa->setText(QStringLiteral("已练习题数：%1题").arg(f->YiLianXiCnt));
    lblResWeiDa->setText(QStringLiteral("未练习题数：%1题").arg(f->WeiLianXiCnt));
    lblResDui->setText(QStringLiteral("正确题数：%1题").arg(f->ZhengQueCnt));
    lblResCuo->setText(QStringLiteral("错误题数：%1题").arg(f->CuoWuCnt));
    lblResManFen->setText(QStringLiteral("满分：") + points(f->ManFen) + QStringLiteral("分"));
    lblResDeFen->setText(QStringLiteral("您本次得分：") + points(f->DeFen) + QStringLiteral("分"));
    lblResZhengQueLv->setText(QStringLiteral("正确率为：0%"));
    if (f->ManFen != 0) {
        const double rate = double(qint64(f->DeFen) * 100) / f->ManFen;
        lblResZhengQueLv->setText(QStringLiteral("正确率为：") + QString::number(rate, 'f', 2) + QStringLiteral("%"));
    }
    PracticeArea->setCurrentWidget(gbRes);
}

void TMainForm::runReview()
{
    frmZhangJie->ShowItem();
    frmZhangJie->QieHuaCnt = 0;
    runPractice();
}

void TMainForm::SpeedButton14Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("view");
    f->Item_Index = 0;
    if (f->pnlAnswer->isHidden())
        f->sbAnswerClick();
    runReview();
}

void TMainForm::SpeedButton15Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("error");
    f->Item_Index = firstEntry([](const TItem &e) { return e.UserScore == 0; });
    if (f->Item_Index < 0) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("没有错题！"));
        return;
    }
    runReview();
}

void TMainForm::SpeedButton16Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("right");
    f->Item_Index = firstEntry([](const TItem &e) { return e.UserScore != 0; });
    if (f->Item_Index < 0) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("没有对题！"));
        return;
    }
    runReview();
}

void TMainForm::SpeedButton17Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("notfinish");
    f->Item_Index = firstEntry([](const TItem &e) { return e.UserAnswer.isEmpty(); });
    if (f->Item_Index < 0) {
        MessageBox::information(this, QStringLiteral("提示"), QStringLiteral("没有未完成题！"));
        return;
    }
    runReview();
}

void TMainForm::SpeedButton18Click()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->LXMode = QStringLiteral("new");
    f->Item_Index = 0;
    // Marks and essential flags belong to the learner, not to the attempt: they stay.
    for (int i = 0; i < ItemList.count(); ++i) {
        ItemList.object(i)->UserAnswer.clear();
        ItemList.object(i)->UserScore = 0;
    }
    runReview();
}

// ---------------------------------------------------------------------------------------
// Essentials and wrong-question review

void TMainForm::showJHCTCounts(int zong, int dan, int duo, int pan, int fen)
{
    lblJHCT_all->setText(QString::number(zong));
    lblJHCT_danxuan->setText(QString::number(dan));
    lblJHCT_duoxuan->setText(QString::number(duo));
    lblJHCT_panduan->setText(QString::number(pan));
    lblJHCT_fenxi->setText(QString::number(fen));
    seJHCT_select->setValue(std::clamp(zong, seJHCT_select->minimum(), seJHCT_select->maximum()));
}

void TMainForm::SpeedButton24Click()
{
    pnlCTZQ->hide();
    gbJHCT->setTitle(QStringLiteral("精华类练习"));
    lblJHCT_CAP->setText(QStringLiteral("精华类练习"));
    PracticeArea->setCurrentWidget(gbJHCT);
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetJHItemCnt(zong, dan, duo, pan, fen); })) {
        // No counts, no start: the box must not start a run of another kind.
        sbJHCTKaiShiLianXi->setEnabled(false);
        return;
    }
    showJHCTCounts(zong, dan, duo, pan, fen);
    sbJHCTKaiShiLianXi->setEnabled(true);
    if (frmZhangJie)
        frmZhangJie->LXMode = QStringLiteral("JingHua");
}

void TMainForm::SpeedButton27Click()
{
    gbJHCT->setTitle(QStringLiteral("错题类练习"));
    lblJHCT_CAP->setText(QStringLiteral("错题类练习"));
    PracticeArea->setCurrentWidget(gbJHCT);
    pnlCTZQ->show();
    pnlCTZQ->raise();
    const QDateTime now = Clock::now();
    rbWeek->setText(QStringLiteral("最近一周错题(%1至今天)").arg(now.addDays(-7).toString(QStringLiteral("yyyy-MM-dd"))));
    rbMonth->setText(QStringLiteral("最近一月错题(%1至今天)").arg(now.addDays(-30).toString(QStringLiteral("yyyy-MM-dd"))));
    if (frmZhangJie)
        frmZhangJie->LXMode = QStringLiteral("CuoTi");
    sbJHCTKaiShiLianXi->setEnabled(false);
    // The learner's first step is to pick a period.
    for (QRadioButton *r : {rbToDay, rbWeek, rbMonth, rbAll})
        if (r->isChecked())
            r->setFocus();
}

void TMainForm::SpeedButton28Click()
{
    int daysBack = 0;
    if (rbWeek->isChecked())
        daysBack = 7;
    else if (rbMonth->isChecked())
        daysBack = 30;
    else if (rbAll->isChecked())
        daysBack = 1000;
    const QString start = Clock::now().addDays(-daysBack).toString(QStringLiteral("yyyyMMdd"));
    int zong = 0, dan = 0, duo = 0, pan = 0, fen = 0;
    if (!guarded(this, [&] { m_dm->GetCTItemCnt(zong, dan, duo, pan, fen, start); }))
        return;
    showJHCTCounts(zong, dan, duo, pan, fen);
    sbJHCTKaiShiLianXi->setEnabled(true);
    pnlCTZQ->hide();
    if (frmZhangJie)
        frmZhangJie->CT_Start = start;
    seJHCT_select->setFocus();
}

void TMainForm::SpeedButton29Click()
{
    pnlCTZQ->hide();
}

void TMainForm::seJHCT_fontsizeChange()
{
    setPointSize(pnlJHCTZitiYuLan, seJHCT_fontsize->value());
}

void TMainForm::sbJHCTKaiShiLianXiClick()
{
    TfrmZhangJie *f = frmZhangJie;
    if (!f)
        return;
    f->DanXunCnt = lblJHCT_danxuan->text().toInt();
    f->DuoXuanCnt = lblJHCT_duoxuan->text().toInt();
    f->PanDuanCnt = lblJHCT_panduan->text().toInt();
    f->FenXiCnt = lblJHCT_fenxi->text().toInt();
    f->setTextFontSize(seJHCT_fontsize->value());
    f->lblTotal->setText(QStringLiteral("本次题量共：") + lblJHCT_all->text() + QStringLiteral("题"));
    f->lblDanXuan->setText(QStringLiteral("单选题量为：") + lblJHCT_danxuan->text() + QStringLiteral("题"));
    f->lblDuoXuan->setText(QStringLiteral("多选题量为：") + lblJHCT_duoxuan->text() + QStringLiteral("题"));
    f->lblPanDuan->setText(QStringLiteral("判断题量为：") + lblJHCT_panduan->text() + QStringLiteral("题"));
    f->lblFenXi->setText(lblfenxi->text() + lblJHCT_fenxi->text() + QStringLiteral("题"));
    f->JHCT_Select = seJHCT_select->value();
    f->JHCT_Start = seJHCT_start->value();
    startPracticeRun(cbJHCTDaTiSuDu->isChecked(), seJHCTQieHuanMiaoShu->value());
}
