#pragma once
// What an import would change, found before anything is written: its writes,
// recorded over this computer's registry, folded into the state each value
// and key would end in and compared with what is stored now. Only the writes
// that change something are done, and the backup keeps exactly what they
// change, as it was.
#include <vector>

#include "changes/RegistryWrites.h"
#include "changes/ValueStates.h"

namespace changes {

struct ImportChanges {
    std::vector<RegistryWrite> writes;  // to do, in the import's order
    std::vector<ValueState> before;     // every value they change, as it is now
    std::vector<KeyState> createdKeys;  // keys they create, absent now
    bool empty() const { return writes.empty(); }
};

// `inDeletedKeys`: values that a deleted key takes with it although no write
// names them; they are kept as they are now too.
ImportChanges FindChanges(RegistryAccess& registry, const std::vector<RegistryWrite>& writes,
                          const std::vector<ValueState>& inDeletedKeys);

}  // namespace changes
