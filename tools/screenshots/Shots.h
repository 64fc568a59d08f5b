#pragma once
#include <QString>

#include <functional>

class QPixmap;
class QWidget;
class TDataModuleMain;
class TMainForm;
class TfrmKaoShi;
class TfrmZhangJie;

// What a shot works with: the program's windows, made as at start-up, on a scratch copy of the
// bank (so shots may write freely; the given application directory's bank is never touched).
struct ShotContext
{
    QString appDir;     // ApplicationDir: pictures and pages come from here
    QString scratchDir; // holds the copy of the bank the windows work on
    TDataModuleMain *dm = nullptr;
    TMainForm *mainForm = nullptr;
    TfrmZhangJie *practiceForm = nullptr;
    TfrmKaoShi *examForm = nullptr;
};

// Brings the windows into the state to show and returns the widget to grab (nullptr: no picture).
using ShotFunction = std::function<QWidget *(ShotContext &)>;

struct Shot
{
    int order;    // shots run in this order, across files
    QString name; // the picture is OUTDIR/name.png
    ShotFunction take;
};

namespace Shots {
// A shot file registers its shots with static objects of this type:
//   const Shots::Register start{100, "start", [](ShotContext &c) { return c.mainForm; }};
struct Register
{
    Register(int order, const QString &name, ShotFunction take);
};
// Every registered shot, in order.
QList<Shot> all();
// A modal window's picture is taken while it is shown and handed back through this widget,
// which the framework then grabs like any other.
QWidget *asPicture(const QPixmap &pixmap);
// Lets the widget finish: pending events, web pages still loading, a last paint.
void settle(QWidget *root);
}
