#pragma once

#include <algorithm>
#include <string>
#include <vector>

// The entry of a table kept per strategy, in the order the strategies were
// first played, made empty when the strategy is new. Row has a `strategy`
// name and is built from it and an empty rest.
template <typename Row> Row& rowOf(std::vector<Row>& rows, const std::string& strategy) {
    const auto found = std::find_if(
        rows.begin(), rows.end(), [&strategy](const Row& row) { return row.strategy == strategy; });
    if (found != rows.end())
        return *found;
    rows.push_back({strategy, {}});
    return rows.back();
}
