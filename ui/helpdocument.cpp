// The help page that the program ships: installed with the program, or the
// source tree's copy for a program run from its build tree.
#include "helpdocument.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace HelpDocument {

namespace {

// The installed page's place relative to the installed program, so that an
// installation under any prefix (or a staging DESTDIR) finds its own copy.
QString installedPath(const QString& programDir)
{
    return QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(TOLVY_HELP_FROM_PROGRAM));
}

bool inBuildTree(const QString& programDir)
{
    const QString buildDir = QFileInfo(QStringLiteral(TOLVY_BUILD_DIR)).canonicalFilePath();
    const QString dir = QFileInfo(programDir).canonicalFilePath();
    if (buildDir.isEmpty() || dir.isEmpty())
        return false;
    return dir == buildDir || dir.startsWith(buildDir + QLatin1Char('/'));
}

} // namespace

QStringList candidatePaths(const QString& programDir)
{
    QStringList candidates{installedPath(programDir)};
    if (inBuildTree(programDir))
        candidates.append(QStringLiteral(TOLVY_HELP_SOURCE));
    return candidates;
}

QStringList candidatePaths()
{
    return candidatePaths(QCoreApplication::applicationDirPath());
}

QString path(const QString& programDir)
{
    for (const QString& candidate : candidatePaths(programDir)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

QString path()
{
    return path(QCoreApplication::applicationDirPath());
}

bool open()
{
    const QString page = path();
    if (page.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

} // namespace HelpDocument
