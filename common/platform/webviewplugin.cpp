#include "common/platform/webviewplugin.h"

#include "common/core/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QStringList>

namespace Quillon {

using namespace Qt::StringLiterals;

namespace {

TWebViewFactory* LoadPlugin()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString fileName = u"libquillon_webview.so"_s;
    const QString pluginDir = QDir::cleanPath(programDir.filePath(u"../lib/quillon"_s));
    QStringList reasons;
    for (const QString& candidate : {QDir(pluginDir).filePath(fileName), programDir.filePath(fileName)}) {
        if (!QFile::exists(candidate))
            continue;
        QPluginLoader loader(candidate);
        if (auto* factory = qobject_cast<TWebViewFactory*>(loader.instance()))
            return factory;
        reasons << loader.errorString();
    }
    if (reasons.isEmpty())
        reasons << u"%1 is neither in %2 nor in %3."_s.arg(fileName, pluginDir, programDir.path());
    throw Error(u"The web browser could not be started. "_s + reasons.join(u' '));
}

} // namespace

TWebView* TPluginWebViewFactory::CreateView(QWidget* parent)
{
    // The plugin's instance lives for the rest of the run.
    static TWebViewFactory* const plugin = LoadPlugin();
    return plugin->CreateView(parent);
}

} // namespace Quillon
