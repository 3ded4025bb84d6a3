#pragma once
// The Transverters page of the station setup: the transverters listed, one
// transverter's fields as texts, and what OK writes. The page's Delete takes
// the transverter's key away (at OK, like every change of the page).
#include <optional>
#include <string>
#include <vector>

#include "core/FieldChecks.h"
#include "platform/Registry.h"

namespace tarvon {

struct TransverterFields {
    std::string name, program;
    std::string start, finish;      // MHz
    std::string txOffset, rxOffset;  // MHz ("TX LO", "RX LO")
    bool tx = false, rx = false;     // the offsets apply

    bool operator==(const TransverterFields&) const = default;
};

enum class TransverterField { Name, Program, Start, Finish, TxOffset, RxOffset };

namespace transverter_limits {
constexpr size_t kName = 14;
constexpr size_t kProgram = 259;
constexpr size_t kFrequency = 14;
}  // namespace transverter_limits

struct TransverterRecord {
    std::string name, program;
    double start = 0.0, finish = 0.0, txOffset = 0.0, rxOffset = 0.0;
    bool tx = false, rx = false;
};

// The "Name" of every transverter, in the registry's order.
std::vector<std::string> TransverterNames(Registry& registry);

// What "New" shows: empty texts, "0" for the frequencies, both boxes clear.
TransverterFields NewTransverterFields();
// The stored transverter named so ("%0.6f" for the frequencies); New's
// fields when there is none.
TransverterFields LoadTransverterFields(Registry& registry, const std::string& name);

// The transverter the fields describe; the problem otherwise.
std::optional<FieldProblem> TransverterFromFields(const TransverterFields& fields, TransverterRecord& record);

// Rewrites the key of the transverter named so, or makes a key of its own
// for a new one; "TX" and "RX" are 4-byte binary flags. False when the key
// cannot be made.
bool SaveTransverter(Registry& registry, const TransverterRecord& record);
// Deletes the key of the transverter named so; false when there is none.
bool DeleteTransverter(Registry& registry, const std::string& name);

}  // namespace tarvon
