#pragma once
// Everything an import can change, computed once from the catalogues it
// writes by: the only values and keys undo may write or delete, whatever a
// backup names.
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "changes/ValueStates.h"

namespace changes {

class ImportedValues {
  public:
    ImportedValues();
    bool HoldsValue(Hive hive, std::string_view key, std::string_view name) const;
    // The keys an import creates that undo takes away again when they were
    // not there: the open-with verb's, without which its empty key would
    // still show in every file's menu.
    bool HoldsKey(Hive hive, std::string_view key) const;
    // Every value, each as absent (the state is not read here).
    const std::vector<ValueState>& values() const { return values_; }

  private:
    std::vector<ValueState> values_;
    std::set<std::tuple<Hive, std::string, std::string>> index_;  // lower case
    std::set<std::pair<Hive, std::string>> keys_;
};

const ImportedValues& ImportableValues();

}  // namespace changes
