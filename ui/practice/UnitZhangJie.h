#pragma once
#include <QDateTime>
#include <QDialog>
#include <QString>

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
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

    // Controls the main window and tests reach.
    QLabel *lblKeChengL = nullptr, *lblZhangJieL = nullptr, *lblKeChengR = nullptr, *lblZhangJieR = nullptr;
    QLabel *imgTrip = nullptr;
    QLabel *lblDiJiTiMain = nullptr, *lblItemType = nullptr, *lblItemKind = nullptr, *lblDiJiTi = nullptr;
    QPlainTextEdit *meoItem = nullptr;
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
    // Box order of the options of the entry at the position (OptionOrder).
    QString optionOrderAt(int position) const;

    TDataModuleMain *m_dm;
    std::array<QCheckBox *, 6> m_boxes{};
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
};

// The practice window of the running program.
extern TfrmZhangJie *frmZhangJie;
