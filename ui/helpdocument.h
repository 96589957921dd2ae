// The help page that the program ships.
#pragma once

#include <QString>
#include <QStringList>

namespace HelpDocument {

// Where the page may be for a program in programDir: the copy installed
// beside it first; the source tree's copy only for a program that runs from
// its build tree, so an installed program never hides a missing page.
QStringList candidatePaths(const QString& programDir);
// The same for this program.
QStringList candidatePaths();
// The first candidate that exists, or an empty text.
QString path(const QString& programDir);
QString path();
// Hands the page to the desktop's opener; false when there is none to open.
bool open();

} // namespace HelpDocument
