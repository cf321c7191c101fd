#include "core/Targets.h"

#include "core/Messages.h"

namespace sorika {

const Text SaveFolder = "設定保存フォルダ";

std::optional<int> SelectedTarget(const TargetList& list, DialogService& dialogs) {
    const int index = list.ItemIndex();
    if (index < 0 || index >= list.ItemCount()) {
        ShowPrompt(dialogs, SSelectTarget);
        return std::nullopt;
    }
    return index;
}

Text BackupPath(int index) { return SaveFolder + "\\sorika" + std::to_string(index) + ".sav"; }

} // namespace sorika
