#include "core/UnitDefine.h"

OwningList<TKeCheng> KeChengList;
OwningList<TZhangJie> ZhangJieList;
OwningList<TItem> ItemList;
OwningList<TZhangJie> KaoShiList;
OwningList<TKeMu> KeMuList;
OwningList<TXueXiLog> XueXiLogList;
QStringList KaoShiDaGangList;
QStringList KeChengJiangYiList;
QStringList HelpList;

QString ApplicationDir;
bool CanLogin = false;
QString UID;
QString PWD;

QColor DangQianColor(0, 0, 0);
QColor DaiChaColor(0, 0, 0);
QColor WeiZuoColor(0, 0, 0);
QColor YiZuoColor(0, 0, 0);

void TItem::AssginData(const TItem &source)
{
    *this = source;
}

QString TItem::option(int position) const
{
    switch (position) {
    case 1: return ItemA;
    case 2: return ItemB;
    case 3: return ItemC;
    case 4: return ItemD;
    case 5: return ItemE;
    case 6: return ItemF;
    default: return QString();
    }
}

void CreateGlobalLists()
{
    KeChengList.clear();
    ZhangJieList.clear();
    ItemList.clear();
    KaoShiList.clear();
    KeMuList.clear();
    KaoShiDaGangList.clear();
    KeChengJiangYiList.clear();
    HelpList.clear();
    XueXiLogList.clear();
}
