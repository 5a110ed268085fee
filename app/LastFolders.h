#pragma once
// The folder each kind of file dialog last took a file from, kept in the
// settings, so that the next dialog of that kind opens there.

#include <QString>

namespace mirel {

enum class DialogFolder { Sessions, Exports };

// The folder remembered for `kind` while it still exists, else `fallback`.
QString lastFolder(DialogFolder kind, const QString& fallback);
// Remembers the folder of `chosenFile`.
void rememberFolder(DialogFolder kind, const QString& chosenFile);

}  // namespace mirel
