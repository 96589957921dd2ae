// The help page that the program ships: installed with the program, or the
// source tree's copy for a program run from its build tree.
#include "helpdocument.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace HelpDocument {

QStringList candidatePaths()
{
    return {QStringLiteral(TOLVY_HELP_INSTALLED), QStringLiteral(TOLVY_HELP_SOURCE)};
}

QString path()
{
    for (const QString& candidate : candidatePaths()) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

bool open()
{
    const QString page = path();
    if (page.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

} // namespace HelpDocument
