// Groups: figures of one kind touching edge to edge.
#pragma once

namespace aw {

// Labels every group of two or more (groupId, searchDistance), sets
// groupCount and answers whether any group exists.
bool labelGroups();
// The group holding (row, column) into the group list, clicked cell first,
// then breadth-first. A cell without a figure leaves the list as it was.
void buildHoverGroup(int row, int column);

} // namespace aw
