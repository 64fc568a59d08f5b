#include "ui/practice/OptionOrder.h"

#include "core/UnitDefine.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace OptionOrder {

namespace {

bool present(const QString &option)
{
    const QString trimmed = option.trimmed();
    return !trimmed.isEmpty() && trimmed != QLatin1String("-");
}

bool pinned(const QString &option)
{
    const QString trimmed = option.trimmed();
    return trimmed.startsWith(QStringLiteral("以上")) || trimmed.startsWith(QStringLiteral("上述"));
}

}

QString shuffled(const TItem &entry, QRandomGenerator &random)
{
    QString order(6, QLatin1Char(' '));
    QString movable;
    QList<int> freeBoxes;
    int box = 0;
    for (int i = 0; i < 6; ++i) {
        const QString option = entry.option(i + 1);
        if (!present(option))
            continue;
        if (pinned(option))
            order[box] = Identity.at(i);
        else {
            movable += Identity.at(i);
            freeBoxes << box;
        }
        ++box;
    }
    for (int i = movable.size() - 1; i > 0; --i)
        std::swap(movable[i], movable[int(random.bounded(i + 1))]);
    for (int i = 0; i < freeBoxes.size(); ++i)
        order[freeBoxes.at(i)] = movable.at(i);
    return order;
}

QString bankAnswer(const QString &order, unsigned tickedBoxes)
{
    QString letters;
    for (int i = 0; i < 6 && i < order.size(); ++i)
        if ((tickedBoxes & (1u << i)) && order.at(i) != QLatin1Char(' '))
            letters += order.at(i);
    std::sort(letters.begin(), letters.end());
    return letters;
}

QString shownKey(const QString &order, const QString &key)
{
    QString letters, rest;
    for (const QChar c : key) {
        const int box = order.indexOf(c);
        if (Identity.contains(c) && box >= 0)
            letters += Identity.at(box);
        else
            rest += c;
    }
    std::sort(letters.begin(), letters.end());
    return letters + rest;
}

QString note(const QString &order, const TItem &entry)
{
    // Only an explanation that names options by letter needs the key to them.
    static const QRegularExpression letter(QStringLiteral("(?<![A-Za-z0-9])[A-F](?![A-Za-z0-9])"));
    if (!entry.ItemDesc.contains(letter))
        return QString();
    QStringList pairs;
    bool moved = false;
    for (int box = 0; box < 6 && box < order.size(); ++box) {
        const QChar bank = order.at(box);
        if (bank == QLatin1Char(' ') || !present(entry.option(Identity.indexOf(bank) + 1)))
            continue;
        moved = moved || bank != Identity.at(box);
        pairs << QStringLiteral("原%1＝现%2").arg(bank).arg(Identity.at(box));
    }
    if (!moved)
        return QString();
    std::sort(pairs.begin(), pairs.end());
    return QStringLiteral("（本题选项已随机排列，解析中的选项字母指原题顺序：%1）").arg(pairs.join(QStringLiteral("，")));
}

} // namespace OptionOrder
