#pragma once
// Mirel once kept its settings and recovery files under a long generated
// organisation name. The first start under the short name moves them over,
// so the recent files, the language and unsaved work survive the change.

#include <QSettings>
#include <QString>

namespace mirel {

// The organisation name the settings and recovery folders used to carry.
extern const QString kFormerOrganisation;

struct CarriedOver {
    int settings = 0;       // keys copied
    int recoveryFiles = 0;  // files moved
};

// Copies the keys of the settings file `formerSettings` that `settings` does
// not hold yet (what is already there stays) and removes that file; moves
// the recovery files of `formerRecovery` that `recovery` does not hold into
// it. A second call finds nothing to carry.
CarriedOver carryOverFolders(const QString& formerSettings, const QString& formerRecovery,
                             QSettings& settings, const QString& recovery);

// carryOverFolders from the former organisation's folders into this
// process's settings and `recovery`, then removes the folders it emptied.
// Called once the application's names are set.
CarriedOver carryOverFormerFolders(const QString& recovery);

}  // namespace mirel
