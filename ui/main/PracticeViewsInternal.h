#pragma once
// What the practice views' source files share and nothing else needs.
#include <QString>

namespace PracticeViews {

// Chapter caption while no chapter is chosen.
inline const QString NoChapter = QStringLiteral("请选择章节。。。");
// Caption of an analysis count that holds calculation and case questions alike.
inline const QString AnalysisBothCaption = QStringLiteral("分析题：");

} // namespace PracticeViews
