#pragma once
#include <QDateTime>
#include <QDialog>
#include <QPixmap>
#include <QString>

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class TEntryPanels;
class TKeMuPicker;
class WrapCheckBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QTableWidget;
class QTimer;
class QToolButton;
class QWidget;
class TDataModuleMain;
struct TItem;

// The practice window: takes the learner through ItemList one entry at a time, with instant
// checking, marks, essential flags, the entry chooser and forced switching.
class TfrmZhangJie : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmZhangJie(TDataModuleMain *dataModule, QWidget *parent = nullptr);

    // Public fields, set by the main window before each run.
    QString LXMode;
    QString Test_ID;
    int Item_Index = -1;
    QString Item_Type;
    QString KeChengID;
    QString KeChengName;
    QString ZhangJieID;
    QString ZhangJieName;
    int DanXunCnt = 0;
    int DuoXuanCnt = 0;
    int PanDuanCnt = 0;
    int FenXiCnt = 0;
    QDateTime StartTime;
    bool QieHuan = false;
    int QieHuaDiv = 0;
    int QieHuaCnt = 0;
    int YiLianXiCnt = 0;
    int WeiLianXiCnt = 0;
    int ZhengQueCnt = 0;
    int CuoWuCnt = 0;
    int ManFen = 0;
    int DeFen = 0;
    int JHCT_Select = 0;
    int JHCT_Start = 0;
    QString CT_Start;
    // A chapter run shows its questions (within each type) and the options of its choice
    // questions in a random order.
    bool RandomOrder = false;
    // Wrong-question run: the period it covers, as its name says it ("近一周").
    QString CT_Period;
    // The caption the run's summary gives its calculation or case questions ("计算分析题：").
    QString FenXiCaption = QStringLiteral("计算分析题：");
    // What the run is recorded as: course(s) and chapter, or the kind of review and the
    // courses its questions came from. Set when the list is built.
    QString RunKeChengName;
    QString RunZhangJieName;
    // Set when a run is ended and stored: its time used ("hh:nn:ss") and its number of
    // questions (ItemList counts entries).
    QString TimeUsed;
    int QuestionCnt = 0;
    // False when the learner ended the run although its record could not be stored.
    bool ResultStored = true;

    // Builds the list for the mode and shows its first entry; false when the load failed
    // (the failure has been shown to the learner).
    bool InitItemList();
    void ShowItem();
    int GetNextItemIndex(int index, int step) const;
    void ReSize();
    void cbABCDEFClick(QCheckBox *sender);
    void sbAnswerClick();
    void sbMarkClick();
    void sbFAVClick();
    void SpeedButton4Click();
    void sbNextClick();
    void SpeedButton6Click();
    void sgListClick();
    void sbOKClick();
    void sbCancelClick();
    void TimerDaTiTimer();
    void SpeedButton8Click();
    // Sets the font size of the question, options, answer and explanation.
    void setTextFontSize(int points);
    // The review modes, in which the result is not recorded again.
    bool isReview() const;

    // Controls the main window and tests reach.
    QLabel *lblKeChengL = nullptr, *lblZhangJieL = nullptr, *lblKeChengR = nullptr, *lblZhangJieR = nullptr;
    QLabel *imgTrip = nullptr;
    QLabel *lblDiJiTiMain = nullptr, *lblItemType = nullptr, *lblItemKind = nullptr, *lblDiJiTi = nullptr;
    QPlainTextEdit *meoItem = nullptr;
    // The case sub-question under the case, shown for case entries.
    QPlainTextEdit *meoExItem = nullptr;
    // The sub-question panels of a calculation question, in place of the options.
    QScrollArea *ScrollBox = nullptr;
    TEntryPanels *Panel11n = nullptr;
    TKeMuPicker *pnlKeMu = nullptr;
    QScrollArea *ScrollBoxImage = nullptr;
    QLabel *imgItem = nullptr;
    QCheckBox *cbA = nullptr, *cbB = nullptr, *cbC = nullptr, *cbD = nullptr, *cbE = nullptr, *cbF = nullptr;
    QToolButton *sbAnswer = nullptr, *sbMark = nullptr, *sbFAV = nullptr, *SpeedButton4 = nullptr,
                *sbNext = nullptr, *SpeedButton6 = nullptr, *SpeedButton8 = nullptr;
    QWidget *pnlAnswer = nullptr;
    QLabel *lblAnswer = nullptr;
    QPlainTextEdit *meoDesc = nullptr;
    QLabel *lblTotal = nullptr, *lblDanXuan = nullptr, *lblDuoXuan = nullptr, *lblPanDuan = nullptr,
           *lblFenXi = nullptr;
    QLabel *lblStartTime = nullptr, *lblUseTime = nullptr, *lblMark = nullptr, *lblFAV = nullptr,
           *lvlQieHuanLeft = nullptr;
    QWidget *pnlXuanTi = nullptr;
    QTableWidget *sgList = nullptr;
    QPlainTextEdit *moItemDesc = nullptr;
    QToolButton *sbOK = nullptr, *sbCancel = nullptr;
    QLabel *lblIndex = nullptr;
    QTimer *TimerDaTi = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // Every way out (end button, close box) passes here: the timer stops.
    void done(int result) override;

private:
    void buildTopStrip();
    void buildQuestionArea();
    void buildAnswerStrip();
    void buildRightColumn();
    void buildChooser();

    // The learner's keys: A-F tick options, arrows and page keys move. True when handled.
    bool handleKey(QKeyEvent *event);
    // Blank question area, for a run without entries.
    void clearDisplay();
    void showQuestionPicture(const TItem &entry);
    void showMarkAndFav(const TItem &entry);
    // The entry on show; none while Item_Index lies outside ItemList.
    TItem *currentEntry() const;
    // Flips the mark or essential flag of the entry on show, if there is one.
    void toggleFlag(bool TItem::*flag);
    // Seconds since StartTime by Clock, within one day.
    int elapsedSeconds() const;
    // Shuffles the questions within each type, keeping the entries of one question together.
    void shuffleQuestions();
    // Names the run: the chapter, or the kind of review and the courses it drew from.
    void nameRun();
    // The summary labels from the questions the run holds.
    void showRunSummary();
    // The option boxes ticked as the stored answer says, without answering; in a review, with
    // the key's options marked right and a wrong tick marked wrong.
    void showOptionTicks(const TItem &entry);
    // An answer being typed into a sub-question panel is stored before the run moves on.
    void commitEdits();
    // The question picture as large as its area allows; a click shows it at full size.
    void fitPicture();
    void openPicture();
    // The visible number of the question the entry at the position belongs to.
    int questionNumber(int position) const;
    // Box order of the options of the entry at the position (OptionOrder).
    QString optionOrderAt(int position) const;

    TDataModuleMain *m_dm;
    std::array<WrapCheckBox *, 6> m_boxes{};
    QPixmap m_picture;
    // Option order per list position, for the list InitItemList built; empty: the bank's.
    std::vector<QString> m_optionOrders;
    // Clicks on the option boxes count as answers only while attached.
    bool m_clickAttached = true;
    QWidget *Panel2 = nullptr, *Panel4 = nullptr, *PanelMain = nullptr, *PanelMainB = nullptr;
    QWidget *m_headRow = nullptr, *m_questionRow = nullptr;
    QGroupBox *GroupBoxCB = nullptr;
    QLabel *lblxzda = nullptr;
    // Says why a question picture could not be shown.
    QLabel *lblPicNote = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label1 = nullptr;
};

// The practice window of the running program.
extern TfrmZhangJie *frmZhangJie;
