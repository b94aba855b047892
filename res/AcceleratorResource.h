#pragma once

#include <QKeyCombination>

#include <vector>

// Accelerator tables as data: each entry binds one key to one command id,
// in stored order. The same id may have several keys.
struct AcceleratorResource {
    QKeyCombination key;
    int id;
};

// Returns nullptr for an id with no table.
const std::vector<AcceleratorResource> *FindAcceleratorTable(int id);
