#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

void SetApplicationIdentity()
{
    // The name also names the learner's data folder (~/.local/share/AcctPrep).
    QCoreApplication::setApplicationName(QStringLiteral("AcctPrep"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ACCTPREP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ACCTPREP_DESKTOP_ID));
}

CommandLine ParseCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err, bool reportErrors)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("AcctPrep 会计从业资格考试练习系统"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("显示本帮助后退出。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("显示版本号后退出。"));
    const QCommandLineOption bank(QStringLiteral("bank"),
                                  QStringLiteral("打开另一个题库文件（例如老师用 qbank 制作的题库），"
                                                 "学习记录写入该文件；题目图片从它所在的文件夹读取。"),
                                  QStringLiteral("FILE"));
    parser.addOptions({help, version, bank});

    CommandLine result;
    const bool parsed = parser.parse(arguments);
    // Asked for help or the version, the learner gets it even beside a wrong argument.
    if (parser.isSet(help)) {
        // Before the application object exists Qt cannot name the program itself.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.value(0)).fileName());
        out << text;
        out.flush();
        result.done = true;
        return result;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        out.flush();
        result.done = true;
        return result;
    }
    QString error;
    if (!parsed)
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("多余的参数：%1").arg(parser.positionalArguments().join(QLatin1Char(' ')));
    else if (parser.isSet(bank) && parser.value(bank).trimmed().isEmpty())
        error = QStringLiteral("--bank 需要一个题库文件名");
    if (!error.isEmpty()) {
        if (reportErrors) {
            err << "acctprep: " << error << '\n' << "用法见 acctprep --help\n";
            err.flush();
            result.done = true;
            result.exitCode = 2;
        }
        return result;
    }
    if (parser.isSet(bank))
        result.bankFile = QFileInfo(parser.value(bank)).absoluteFilePath();
    return result;
}
