// The help page that the program ships.
#pragma once

#include <QString>
#include <QStringList>

namespace HelpDocument {

// Where the page may be, the installed copy first.
QStringList candidatePaths();
// The first candidate that exists, or an empty text.
QString path();
// Hands the page to the desktop's opener; false when there is none to open.
bool open();

} // namespace HelpDocument
