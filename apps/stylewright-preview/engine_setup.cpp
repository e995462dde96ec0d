#include "stylewright-preview/engine_setup.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <unistd.h>

namespace stylewright {

void prepareWebEngine()
{
    // The sandbox cannot run as root (as CI does); anyone else keeps it.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace stylewright
