#pragma once
// The observer editor's fields as text, and the record they stand for. The
// dialog only moves text; the sign rules and checks live here.
#include <string>

#include "orbit/ObserverDatabase.h"

namespace tarvon {

constexpr size_t kObserverNameFieldChars = 20;

struct ObserverFieldTexts {
    std::string name, latitude, longitude, elevation;  // degrees, metres
    bool south = false;  // the S button; N otherwise
    bool west = false;   // the W button; E otherwise
};

// "%6.3f" / "%7.3f" of the absolute values with the hemisphere buttons,
// elevation "%5.1f".
ObserverFieldTexts FieldsFromObserverRecord(const ObserverRecord& record);

// The record the fields describe: the typed values' absolute amounts, made
// negative by S and W. Returns the message to show when the fields cannot
// be saved, empty when `out` is filled.
std::string ObserverRecordFromFields(const ObserverFieldTexts& fields, ObserverRecord& out);

}  // namespace tarvon
