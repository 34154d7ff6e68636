#pragma once

#include <string>
#include <vector>

#include "settings/KeyAssignment.h"

namespace keylume {

// The key assignments, mirrored in record.xml. UI thread only.
struct KeyAssignmentStore {
    std::string filePath;
    std::vector<KeyAssignment> records;  // at most one per code, in the order first made
};

KeyAssignmentStore& GetKeyAssignmentStore();

// Reads record.xml at `path` (remembered for saving). False when the file does
// not parse; the records are then left as they were.
bool LoadKeyAssignments(KeyAssignmentStore& store, const std::string& path);
// Rewrites the whole file; false when it could not be written (the old file stays).
bool SaveKeyAssignments(const KeyAssignmentStore& store);

// The first record with this key code, or null.
KeyAssignment* FindKeyAssignment(KeyAssignmentStore& store, int32_t code);
const KeyAssignment* FindKeyAssignment(const KeyAssignmentStore& store, int32_t code);
// Replaces the record of the same code in place, or appends.
void UpsertKeyAssignment(KeyAssignmentStore& store, const KeyAssignment& assignment);
bool RemoveKeyAssignment(KeyAssignmentStore& store, int32_t code);
void ClearKeyAssignments(KeyAssignmentStore& store);

// The label the keyboard picture shows: name, then " : " and the translated
// group when the group is not empty.
template <class Translate>
std::string KeyAssignmentLabel(const KeyAssignment& a, Translate&& translate) {
    if (a.group.empty()) return a.name;
    return a.name + " : " + translate(a.group);
}

}  // namespace keylume
