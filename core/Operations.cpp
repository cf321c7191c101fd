#include "core/Operations.h"

#include "core/FileSystem.h"
#include "core/Messages.h"

namespace sorika {
namespace {

// Shows an error that names the target by its caption, after storing it in MessageText.
void ShowTargetError(const Operation& op, int index, const char* suffix) {
    op.MessageText = op.DstFile.Item(index) + suffix;
    ShowError(op.Dialogs, op.MessageText);
}

} // namespace

void SaveTarget(const Operation& op) {
    const auto index = SelectedTarget(op.DstFile, op.Dialogs);
    if (!index)
        return;
    const Text target = TargetFiles[*index];

    if (!fs::Exists(target)) {
        ShowTargetError(op, *index, SNotFound);
        return;
    }

    op.MessageText = op.DstFile.Item(*index) + SObjectMark + SaveFolder + SSaveTo;
    if (!AskConfirm(op.Dialogs, op.MessageText))
        return;

    // Anything under the folder's name counts as the folder; a file there makes the copy
    // fail below, which is reported as a copy failure.
    if (!fs::Exists(SaveFolder) && !fs::CreateFolder(SaveFolder)) {
        op.MessageText = SaveFolder + SCannotCreate;
        ShowError(op.Dialogs, op.MessageText);
        return;
    }

    op.BackupFileName = BackupPath(*index);
    if (!fs::CopyFile(target, op.BackupFileName)) {
        ShowTargetError(op, *index, SCopyFailed);
        return;
    }

    ShowInfo(op.Dialogs, SSaved);
}

void RestoreTarget(const Operation& op) {
    const auto index = SelectedTarget(op.DstFile, op.Dialogs);
    if (!index)
        return;

    op.BackupFileName = BackupPath(*index);
    if (!fs::Exists(op.BackupFileName)) {
        ShowTargetError(op, *index, SNotBackedUp);
        return;
    }

    op.MessageText = op.DstFile.Item(*index) + SObjectMark + SaveFolder + SRestoreFrom;
    if (!AskConfirm(op.Dialogs, op.MessageText))
        return;

    if (!fs::CopyFile(op.BackupFileName, TargetFiles[*index])) {
        ShowTargetError(op, *index, SCopyFailed);
        return;
    }

    ShowInfo(op.Dialogs, SRestored);
}

} // namespace sorika
