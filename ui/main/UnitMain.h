#pragma once
#include <QList>
#include <QMainWindow>
#include <QPointF>
#include <QString>

class QCategoryAxis;
class QCheckBox;
class QChart;
class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QToolButton;
class QValueAxis;
class QWidget;
class TDataModuleMain;
class WebView;

// The learner's home: top bar, one view in front, status bar. One class; its member
// definitions are split by view group (shell and pages, practice set-up/result/review, exam
// set-up and result, study progress).
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(TDataModuleMain *dataModule, QWidget *parent = nullptr);
    ~TMainForm() override;

    // Shell and navigation.
    void FormCreate();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void cbKeChengListChange();
    void sbKaoShiZhiNanTClick(QToolButton *sender);
    void sbKeChengJiangYiTClick(QToolButton *sender);
    void sbHelpTClick(QToolButton *sender);
    void sbLoginSetClick();
    // The view in front of the content area (PanelMain, PanelZJLX, ...).
    QWidget *currentView() const;
    // One button per page of the list (caption, page, kind triples) in the box, named prefix + i,
    // reusing buttons of an earlier fill; buttons past the end of the list are removed.
    void makePageButtons(const QStringList &list, QGroupBox *box, const QString &prefix, int firstTop,
                         void (TMainForm::*click)(QToolButton *));

    // Practice set-up.
    void cbKeChengChange();
    void sbZhangJieClick(QToolButton *sender);
    void SelectZhangJie(const QString &KeCheng_ID, const QString &ZhangJie_ID);
    void cbZhangJieAllClick();
    void seZiTiDaXiaoChange();
    void sbKaiShiLianXiClick();
    // Practice result and review.
    void ShowResultZJ();
    void SpeedButton14Click();
    void SpeedButton15Click();
    void SpeedButton16Click();
    void SpeedButton17Click();
    void SpeedButton18Click();
    // Essentials and wrong-question review.
    void SpeedButton24Click();
    void SpeedButton27Click();
    void SpeedButton28Click();
    void SpeedButton29Click();
    void sbJHCTKaiShiLianXiClick();
    void seJHCT_fontsizeChange();

    // Exam set-up.
    void cbKaoShiChange();
    void sbKaoShiClick(QToolButton *sender);
    void SelectKaoShi(const QString &KeCheng_ID, const QString &ZhangJie_ID);
    void seKSZiTiDaXiaoChange();
    void sbKaiShiKaoShiClick();
    void SpeedButton30Click();
    // An exam left unfinished by a crash: offered at start-up, after the window is shown.
    void offerSavedExam();
    // Exam result and review.
    void ShowResultKS();
    void SpeedButton19Click(); // 重新练习
    void SpeedButton20Click(); // 未做题目
    void SpeedButton21Click(); // 查看对题
    void SpeedButton22Click(); // 查看错题
    void SpeedButton23Click(); // 查看所有答案

    // Study progress.
    void sbXXXQXClick();
    void SpeedButton25Click();
    void sgXueXiLogClick();
    void SpeedButton26Click();
    void cb3DClick();

    // Shell.
    QWidget *PanelTop = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr,
                *SpeedButton8 = nullptr, *SpeedButton9 = nullptr;
    QStackedWidget *Content = nullptr;
    QWidget *PanelMain = nullptr;
    QLabel *ImageMain = nullptr;
    QWidget *PanelZJLX = nullptr;
    QWidget *PanelKaoShi = nullptr;
    QWidget *PanelKaoShiZhiNan = nullptr;
    QWidget *PanelKeChengJiangYi = nullptr;
    QWidget *PanelHelp = nullptr;
    QWidget *PanelXueXiJinJie = nullptr;
    QLabel *StatusPanel0 = nullptr, *StatusPanel1 = nullptr, *StatusPanel2 = nullptr;
    QToolButton *sbLoginSet = nullptr;

    // Page views.
    QGroupBox *GroupBoxKaoShiZhiNan = nullptr;
    WebView *WebBrowserKSZN = nullptr;
    QComboBox *cbKeChengList = nullptr;
    QGroupBox *GroupBoxKeChengMuLu = nullptr;
    WebView *WebBrowserKCJY = nullptr;
    QGroupBox *GroupBoxHelp = nullptr;
    WebView *WebBrowserHelp = nullptr;

    // Practice set-up (PanelZJLX).
    QComboBox *cbKeCheng = nullptr;
    QScrollArea *ScrollBoxZhangJie = nullptr;
    QToolButton *SpeedButton24 = nullptr, *SpeedButton27 = nullptr;
    QStackedWidget *PracticeArea = nullptr;
    QGroupBox *gbTiKuXinXi = nullptr;
    QLabel *lblXuanZeZhangJie = nullptr, *lblZhangJieCnt = nullptr, *lblZJDanXuanCnt = nullptr,
           *lblZJDuoXuanCnt = nullptr, *lblZJPanDuanCnt = nullptr, *lblfenxi = nullptr,
           *lblZJFenxiCnt = nullptr;
    QCheckBox *cbZhangJieAll = nullptr, *cbDanXuan = nullptr, *cbDuoXuan = nullptr, *cbPanDuan = nullptr,
              *cbFenXi = nullptr, *cbDaTiSuDu = nullptr, *cbShunXu = nullptr;
    QSpinBox *seDanXunShuLiang = nullptr, *seDuoXuanShuLiang = nullptr, *sePanDuanShuLiang = nullptr,
             *seFenXiShuLiang = nullptr, *seQieHuanMiaoShu = nullptr, *seZiTiDaXiao = nullptr;
    QLabel *pnlZitiYuLan = nullptr;
    QToolButton *sbKaiShiLianXi = nullptr;
    // Practice result (gbRes).
    QGroupBox *gbRes = nullptr;
    QLabel *lblResKeCheng = nullptr, *lblResZhangJie = nullptr, *lblResKaiShi = nullptr,
           *lblResYongShi = nullptr, *lblResZongGong = nullptr, *lblResYiDa = nullptr, *lblResWeiDa = nullptr,
           *lblResDui = nullptr, *lblResCuo = nullptr, *lblResManFen = nullptr, *lblResDeFen = nullptr,
           *lblResZhengQueLv = nullptr;
    QToolButton *SpeedButton14 = nullptr, *SpeedButton15 = nullptr, *SpeedButton16 = nullptr,
                *SpeedButton17 = nullptr, *SpeedButton18 = nullptr;
    // Essentials and wrong-question review (gbJHCT).
    QGroupBox *gbJHCT = nullptr;
    QLabel *lblJHCT_CAP = nullptr, *lblJHCT_all = nullptr, *lblJHCT_danxuan = nullptr,
           *lblJHCT_duoxuan = nullptr, *lblJHCT_panduan = nullptr, *lblJHCT_fenxi = nullptr;
    QSpinBox *seJHCT_select = nullptr, *seJHCT_start = nullptr, *seJHCTQieHuanMiaoShu = nullptr,
             *seJHCT_fontsize = nullptr;
    QCheckBox *cbJHCTDaTiSuDu = nullptr;
    QLabel *pnlJHCTZitiYuLan = nullptr;
    QToolButton *sbJHCTKaiShiLianXi = nullptr;
    QWidget *pnlCTZQ = nullptr;
    QRadioButton *rbToDay = nullptr, *rbWeek = nullptr, *rbMonth = nullptr, *rbAll = nullptr;
    QToolButton *SpeedButton28 = nullptr, *SpeedButton29 = nullptr;
    // The review box's first explanatory line: what kind of review it sets up.
    QLabel *lblJHCTKindCaption = nullptr, *lblJHCTKindText = nullptr;

    // Exam set-up (PanelKaoShi).
    QComboBox *cbKaoShi = nullptr;
    QScrollArea *ScrollBoxKaoShi = nullptr;
    QToolButton *SpeedButton30 = nullptr;
    QStackedWidget *KaoShiArea = nullptr;
    QGroupBox *dbKaoShiInfo = nullptr;
    QLabel *lblKaoShiJuan = nullptr, *lblKaoshiCnt = nullptr, *lblKSDanXuanCnt = nullptr, *lblKSDuoXuanCnt = nullptr,
           *lblKSPanDuanCnt = nullptr, *lblFenXiTi = nullptr, *lblKSFenXiCnt = nullptr;
    QLineEdit *edtKaoShiShiJian = nullptr;
    QCheckBox *cbKaoShiJIShi = nullptr;
    QSpinBox *seKSZiTiDaXiao = nullptr;
    QLabel *pnlKSZitiYuLan = nullptr;
    QToolButton *sbKaiShiKaoShi = nullptr;
    // Exam result (gbKaoShi).
    QGroupBox *gbKaoShi = nullptr;
    QLabel *lblKaoShiKeCheng = nullptr, *lblKaoShiZhangJie = nullptr, *lblKaoShiKaiShi = nullptr,
           *lblKaoShiYongShi = nullptr, *lblKaoShiZongGong = nullptr, *lblKaoShiYiDa = nullptr,
           *lblKaoShiWeiDa = nullptr, *lblKaoShiDui = nullptr, *lblKaoShiCuo = nullptr, *lblKaoShiManFen = nullptr,
           *lblKaoShiDeFen = nullptr, *lblKaoShiZhengQueLv = nullptr;
    QToolButton *SpeedButton19 = nullptr, *SpeedButton20 = nullptr, *SpeedButton21 = nullptr,
                *SpeedButton22 = nullptr, *SpeedButton23 = nullptr;

    // Study progress (PanelXueXiJinJie).
    QToolButton *sbXXXQX = nullptr, *SpeedButton25 = nullptr, *SpeedButton26 = nullptr;
    QStackedWidget *ProgressArea = nullptr;
    QWidget *PanelQuXian = nullptr;
    QChartView *ChartView = nullptr;
    QChart *Chart = nullptr;
    // Over the chart while there is no history.
    QLabel *lblNoHistory = nullptr;
    QCheckBox *cb3D = nullptr;
    QWidget *PanelsgXueXiLog = nullptr;
    QTableWidget *sgXueXiLog = nullptr;
    QLabel *lblJJKeCheng = nullptr, *lblJJZhangJie = nullptr;
    QValueAxis *ChartAxisY = nullptr;
    QCategoryAxis *ChartAxisX = nullptr;

private:
    void buildShell();
    void buildPageViews();
    void buildPracticeView();
    void buildExamView();
    void buildExamResultView();
    void buildProgressView();
    // Brings a view of the content area to the front.
    void bringToFront(QWidget *view);
    // Opens a page-list view (guide or help): landing page, list reload, buttons.
    void openInBrowser(QToolButton *button, const QString &address);
    void openPageList(QWidget *panel, WebView *view, const QString &landing, void (TDataModuleMain::*load)(),
                      const QStringList &list, QGroupBox *box, const QString &prefix, int firstTop,
                      void (TMainForm::*click)(QToolButton *));
    void showPage(QToolButton *sender, const QString &prefix, const QStringList &list, WebView *view);
    // Loads the top-bar glyphs and the start picture; a missing file leaves its control empty.
    void loadPictures();
    // Draws the learning curve through the points (label i+1, rate): flat, or with depth when
    // cb3D is ticked.
    void plotCurve(const QList<QPointF> &points);
    // What a point of the curve stands for: the run's date and time, course and chapter.
public:
    QString curvePointTip(int index) const;

private:
    // Writes the course and chapter of history row r into the two labels, if it holds a record.
    void showLogDetails(int row);
    // Runs the practice window modally and shows the result afterwards.
    void runPractice();

    TDataModuleMain *m_dm;

    // Practice views
    bool fillChapterCounts(const QString &KeCheng_ID, const QString &ZhangJie_ID);
    // Hands the practice window the counts and text size of the coming run; the analysis count
    // goes under the caption given.
    void prepareRun(int total, int dan, int duo, int pan, int fen, int fontSize, const QString &analysisCaption);
    void startPracticeRun(bool forcedSwitching, int seconds);
    void runReview();
    // Starts the review of that mode at entry first; with no such entry (first < 0), says so
    // in a message instead.
    void reviewFrom(const QString &mode, const QString &none);
    void showJHCTCounts(int zong, int dan, int duo, int pan, int fen);
    QObject *m_enterClicks = nullptr; // Enter activates the focused button
    QWidget *m_setupView = nullptr;   // where the last new run was set up
    int m_zhangJieButtonCount = 0;    // chapter buttons of the last fill

    // Exam views
    bool fillPaperCounts(const QString &KeCheng_ID, const QString &ZhangJie_ID);
    // The set-up's state without a chosen paper.
    void noPaperChosen();
    // Font size, start time, countdown and identifier of a new exam; then the exam itself.
    void startExam();
    // A new attempt of the exam window: start time, identifier and countdown.
    void startAttempt();
    // Whether a new attempt may go ahead: an unfinished exam still kept in the bank, which the
    // new one would replace, is given up only when the learner says so.
    bool mayReplaceSavedExam();
    // Shows the exam window maximised; the result after a hand-in, else the set-up.
    void runExam();
    // Shows the exam window on a review or a redo, then the result.
    void runExamReview();
    // Starts the exam review of that mode at record first; with no such record (first < 0),
    // says so in a message instead.
    void examReviewFrom(const QString &mode, const QString &none);
    int m_kaoShiButtonCount = 0; // paper buttons of the last fill
};

// The main window of the running program.
extern TMainForm *MainForm;
