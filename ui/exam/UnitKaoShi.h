#pragma once
#include <QDateTime>
#include <QDialog>
#include <QString>

#include "store/ExamSave.h"

#include <array>

class ClickLabel;
class QCheckBox;
class WrapCheckBox;
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
class TEntryPanels;
class TKeMuPicker;
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
    // Set at the hand-in: the time used ("hh:nn:ss") and the number of questions (ItemList
    // holds each sub-question of an analysis question as a record of its own).
    QString TimeUsed;
    int QuestionCnt = 0;
    // False when the candidate handed in although the history row could not be written.
    bool ResultStored = true;
    // Held to the hour (counted down, warned, handed in when it is over), or without a limit
    // when the set-up's 考试中计时 is unticked.
    bool Timed = true;

    // The reviews after a hand-in ("view", "error", "right", "notfinish"): the paper is shown,
    // no answer is taken and the way out writes nothing.
    bool isReview() const;
    // No answer is taken: in a review, and once the time is up (the paper then goes in as it
    // stood, even when storing it has to be tried again).
    bool answersClosed() const { return isReview() || m_timeUp; }
    // The one-hour countdown of an attempt, from StartTime. From here on the attempt is saved
    // in the bank as it is answered, until it is handed in or left.
    void startCountdown();
    // Rebuilds a saved exam's question list from the bank and puts every answer, flag and card
    // colour back, on the question last shown; StartTime is set so that the time used goes on
    // from what it was when the exam was saved. PaperGone: the bank no longer holds those
    // questions; LoadFailed: the bank could not be read (the learner has been told).
    enum class Resume { Resumed, PaperGone, LoadFailed };
    Resume ResumeExam(const TSavedExam &exam);
    // Writes a save that is still waiting, now (the program is quitting).
    void flushSave();
    // The exam in progress as the bank keeps it.
    TSavedExam snapshot() const;

    // Load the paper ZhangJieID, or a random paper of the course KeChengID, and show its first
    // question. False when the store failed (the learner has been told).
    bool InitItemList();
    bool InitSJItemList();
    // Loads the chart of accounts for the journal-entry answers into the account picker; false
    // when the load failed (the learner has been told).
    bool InitKeMuList();
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
    // The sub-question panels of a calculation question, and the account picker over them.
    TEntryPanels *Panel11n = nullptr;
    TKeMuPicker *pnlKeMu = nullptr;
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
    // Stores an answer being typed in the sub-question panels and moves the focus to the
    // bottom bar: what the card, the navigation and the hand-in do before they act.
    void leaveAnswerEditors();
    // Moves Item_Index and shows the question there, after the focus has left any answer
    // editor (which saves on leaving).
    void goTo(int position);
    void showOptions(const TItem &item);
    // The option boxes ticked as the stored answer says, without answering; in a review, with
    // the key and the wrong ticks marked.
    void showOptionTicks(const TItem &item);
    // The submit hotspot: the hand-in, or the end of a review.
    void showSubmitHotspot();
    // The time left shown in the top bar (or that there is no limit); the time left.
    qint64 showLeftTime();
    // Time is up: the candidate is told, and the paper is handed in without confirmations.
    void timeUp();
    // Scores the paper into the result fields and writes its history row, then closes the
    // window with result OK; with confirm, only after the two confirmations.
    void handIn(bool confirm);
    // The text of the 待查确认 message; empty when nothing is left unanswered.
    QString unansweredReport() const;
    // Every option box hidden and unticked, without answering.
    void clearOptions();
    // The sub-question panels of a calculation question, in ScrollBox.
    void showSubQuestions(int number);
    void showQuestionPicture(const TItem &item);
    // What a list without questions shows: nothing of an earlier exam.
    void clearDisplay();
    // The course name over the question and the analysis category's caption for the course.
    void showCourse();
    // Saving the exam in progress (UnitKaoShiSave.cpp): answers given in one burst of events
    // cost one write, made once the burst is over.
    void scheduleSave();
    void saveNow();
    // Ends the saving of this attempt; with discard, the saved exam goes too.
    void stopSaving(bool discard);
    bool handleKey(QObject *watched, QKeyEvent *event);
    // Whether the widget belongs to the sub-question panels or the account picker.
    bool inAnswerEditors(const QWidget *widget) const;

    TDataModuleMain *m_dm;
    std::array<WrapCheckBox *, 6> m_boxes{};
    // Clicks on the option boxes count as answers only while attached.
    bool m_clickAttached = true;
    // This attempt's five-minute warning has been given; its time is up.
    bool m_warned = false;
    bool m_timeUp = false;
    // The attempt is saved as it is answered; one save is waiting; the failure of a save has
    // been shown once.
    bool m_saving = false;
    QTimer *m_saveTimer = nullptr;
    bool m_saveErrorShown = false;
    QDateTime m_lastSave;
    // A resumed exam opens on its questions, not on the introductory screens.
    bool m_skipIntro = false;
    QWidget *m_screen = nullptr;
    QWidget *Panel6 = nullptr, *Panel7 = nullptr, *Panel8 = nullptr, *Panel10 = nullptr, *Panel12 = nullptr,
            *Panel13 = nullptr, *Panel14 = nullptr, *Panel1 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr;
};

// The exam window of the running program.
extern TfrmKaoShi *frmKaoShi;
