// Loads the web engine when the first page is shown, not at start-up.
//
// Qt WebEngine draws through OpenGL contexts that share with Qt's global share context. Qt
// makes that context in the QApplication constructor, and only when Qt::AA_ShareOpenGLContexts
// is set before it: on X11 that alone costs about 45 ms of every start, and linking the engine
// into the program costs more time and memory still. A web engine loaded later without that
// context crashes. So the program neither links the engine nor sets the attribute; before the
// plugin is loaded, this file makes the context as the QApplication constructor would and
// installs it with qt_gl_set_global_share_context(), which Qt exports but declares only in a
// private header. The attribute itself is not set here: after start-up Qt only warns about
// it, and nothing reads it once the context exists. Where the attribute was set before the
// application (the screenshot tool may), Qt's own context is used as it is.
#include "platform/PageEngineLoader.h"

#include "platform/PageEngine.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QSurfaceFormat>

#include <unistd.h>

Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

PageEngine *LoadPageEngine(QString *error)
{
    static bool tried = false;
    static PageEngine *engine = nullptr;
    static QString failure;
    if (!tried) {
        tried = true;
        // The engine refuses its sandbox when run as root; pages must still show there.
        if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (!QOpenGLContext::globalShareContext()) {
            // Owned by the application, which deletes it before its platform goes. A context
            // that cannot be made (no OpenGL) is installed all the same, as Qt does.
            auto *context = new QOpenGLContext(QCoreApplication::instance());
            context->setFormat(QSurfaceFormat::defaultFormat());
            context->create();
            qt_gl_set_global_share_context(context);
            QObject::connect(context, &QObject::destroyed, [] { qt_gl_set_global_share_context(nullptr); });
        }
        QPluginLoader loader(QStringLiteral("acctprep_webview"));
        engine = qobject_cast<PageEngine *>(loader.instance());
        if (engine)
            Translations::install(QStringLiteral("qtwebengine"));
        else
            failure = loader.errorString();
    }
    if (error)
        *error = failure;
    return engine;
}
