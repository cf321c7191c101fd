#pragma once

#include "core/Dialogs.h"
#include "core/Targets.h"
#include "core/Text.h"

namespace sorika {

// What a save or a restore works with: the window's target list and dialogs, and the
// window's two texts that receive the backup path and the message composed last.
struct Operation {
    const TargetList& DstFile;
    DialogService& Dialogs;
    Text& BackupFileName;
    Text& MessageText;
};

// Copies the selected target into its backup file, after the user has confirmed, creating
// the backup folder the first time it is needed. Every outcome ends in one dialog.
void SaveTarget(const Operation& op);

// Copies the selected target's backup file back over the target, after the user has
// confirmed. It never creates a folder and never changes the backup.
void RestoreTarget(const Operation& op);

} // namespace sorika
