#pragma once
#include <QDateTime>
#include <QDialog>
#include <QString>

#include <array>

class ClickLabel;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QTimer;
class QToolButton;
class QWidget;
class TCardCell;
class TCategoryPanel;
class TDataModuleMain;
struct TItem;

// The exam window: one mock exam on ItemList, through its introductory screens, with the
// answer card, the check-later (待查) flag, the answer panel and the font controls; reviews
// of the same exam afterwards. Made once at start-up and reused for every exam.
class TfrmKaoShi : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmKaoShi(TDataModuleMain *dataModule, QWidget *parent = nullptr);

    // Exam state. The main window writes the first group before it shows the window; the
    // hand-in writes the result group, which the main window reads afterwards.
    QString LXMode;
    QString Test_ID;
    QString KeChengID;
    QString KeChengName;
    QString ZhangJieID;
    QString ZhangJieName;
    int DanXunCnt = 0;
    int DuoXuanCnt = 0;
    int PanDuanCnt = 0;
    int FenXiCnt = 0;
    int FontSizeOra = 12;
    int FontSizeCur = 12;
    QDateTime StartTime;
    int Item_Index = -1;
    QString Item_Type;
    int YiLianXiCnt = 0;
    int WeiLianXiCnt = 0;
    int ZhengQueCnt = 0;
    int CuoWuCnt = 0;
    int ManFen = 0;
    int DeFen = 0;

    // Load the paper ZhangJieID, or a random paper of the course KeChengID, and show its first
    // question. False when the store failed (the learner has been told).
    bool InitItemList();
    bool InitSJItemList();
    // Loads the chart of accounts for the journal-entry answers.
    void InitKeMuList();
    // Shows the question at Item_Index; does nothing while Item_Index lies outside ItemList.
    void ShowItem();
    // Places the question area's controls and centres the introductory screens.
    void ReSize();
    // Font size of the question, the options, the answer and the explanation.
    void SetFontSize(int size);
    // Recolours the card from the questions' states; for Index >= 0 opens Index's category
    // and paints its cell by kind ("1" current ... "4" answered; empty leaves it).
    void SetButtonColor(int Index, const QString &kind);
    // The next position from index in direction val (+1 or -1) that the mode allows, or index.
    int GetNextItemIndex(int index, int val) const;
    // Makes one screen (PanelPic1 ... PanelPic4, Panel5) the one shown.
    void bringToFront(QWidget *screen);
    QWidget *currentScreen() const { return m_screen; }

    // Introductory screens.
    void Timer2Timer();
    void Label9Click();
    void Label10Click();
    void Label11Click();
    void Label12Click();
    // Answer card and navigation.
    void pnlItemAllClick(QWidget *sender);
    void cpDanXuanExpand();
    void cpDuoXuanExpand();
    void cpPanDuanExpand();
    void cpFenXiExpand();
    void Label13Click();
    void Label14Click();
    void Label15Click();
    void Label16Click();
    void sbDaiChaClick();
    // Answer panel and font size.
    void sbShowAnswerClick();
    void Label17Click();
    void Label18Click();
    void Label19Click();
    // Answers, countdown and hand-in.
    void cbABCDEFClick(QCheckBox *sender);
    void Timer1Timer();
    void sbEndExClick();
    void EndEx();

    // Controls the main window and tests reach.
    QTimer *Timer1 = nullptr, *Timer2 = nullptr;
    QWidget *PanelPic1 = nullptr, *PanelPic2 = nullptr, *PanelPic3 = nullptr, *PanelPic4 = nullptr;
    QLabel *ImagePic1 = nullptr, *ImagePic2 = nullptr, *ImagePic3 = nullptr, *ImagePic4 = nullptr;
    ClickLabel *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    QLabel *LabelKM = nullptr;
    QWidget *Panel5 = nullptr;
    QLabel *ImageTC = nullptr, *imgTrip = nullptr, *ImageTR = nullptr, *Label3 = nullptr, *lblLeftTime = nullptr;
    ClickLabel *sbDaiCha = nullptr, *sbEndEx = nullptr;
    QToolButton *sbShowAnswer = nullptr;
    QLabel *ImageRT = nullptr, *ImageRB = nullptr;
    QWidget *CategoryPanelGroup = nullptr;
    TCategoryPanel *cpDanXuan = nullptr, *cpDuoXuan = nullptr, *cpPanDuan = nullptr, *cpFenXi = nullptr;
    QLabel *lblKeCheng = nullptr, *lblDiJiTi = nullptr;
    QWidget *PanelMain = nullptr;
    QPlainTextEdit *meoItem = nullptr, *meoExItem = nullptr;
    QScrollArea *ScrollBoxImage = nullptr;
    QLabel *imgItem = nullptr;
    QGroupBox *GroupBox = nullptr;
    QCheckBox *cbA = nullptr, *cbB = nullptr, *cbC = nullptr, *cbD = nullptr, *cbE = nullptr, *cbF = nullptr;
    QScrollArea *ScrollBox = nullptr;
    QWidget *Panel11n = nullptr;
    QWidget *PanelAnswer = nullptr;
    QLabel *lblAnswer = nullptr;
    QPlainTextEdit *meoDesc = nullptr;
    QWidget *Panel9 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr;
    ClickLabel *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr;
    ClickLabel *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // Every way out passes here: the countdown and the introductory timer stop.
    void done(int result) override;

private:
    // Building (UnitKaoShiLayout.cpp).
    void buildIntroScreens();
    void buildExamScreen();
    void buildTopBar(QWidget *parent);
    void buildQuestionArea(QWidget *parent);
    void buildBottomBar(QWidget *parent);
    void buildCard(QWidget *parent);
    void loadPictures();
    // Lets the window's keys reach it from root and every control under it; controls added
    // later (the entry editor) are passed here when they are added.
    void watchKeys(QWidget *root);

    // The question on show; none while Item_Index lies outside ItemList.
    TItem *currentItem() const;
    // The card cell of list position p, found by its name; none past the card's 70 cells.
    TCardCell *cardCell(int position) const;
    // The card's category holding list position p.
    TCategoryPanel *categoryOf(int position) const;
    void collapseAllBut(TCategoryPanel *open);
    // Loads the five types from a paper (random 0) or a course (random 1) and shows the first.
    bool loadItems(const QString &source, int random);
    // The 待查 label's caption and look for a flagged or unflagged question.
    void showFlag(bool flagged);
    // Moves Item_Index and shows the question there, after the focus has left any answer
    // editor (which saves on leaving).
    void goTo(int position);
    void showOptions(const TItem &item);
    // Every option box hidden and unticked, without answering.
    void clearOptions();
    // The sub-question panels of a calculation question, in ScrollBox.
    void showSubQuestions(int number);
    void showQuestionPicture(const TItem &item);
    // What a list without questions shows: nothing of an earlier exam.
    void clearDisplay();
    bool handleKey(QObject *watched, QKeyEvent *event);

    TDataModuleMain *m_dm;
    std::array<QCheckBox *, 6> m_boxes{};
    // Clicks on the option boxes count as answers only while attached.
    bool m_clickAttached = true;
    QWidget *m_screen = nullptr;
    QWidget *Panel6 = nullptr, *Panel7 = nullptr, *Panel8 = nullptr, *Panel10 = nullptr, *Panel12 = nullptr,
            *Panel13 = nullptr, *Panel14 = nullptr, *Panel1 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr;
};

// The exam window of the running program.
extern TfrmKaoShi *frmKaoShi;
