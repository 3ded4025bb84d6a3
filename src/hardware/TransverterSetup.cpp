#include "hardware/TransverterSetup.h"

#include <cstdio>
#include <memory>

#include "hardware/Transverters.h"

namespace tarvon {
namespace {

constexpr double kHighestMhz = 300000.0;

std::string Mhz(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%0.6f", value);
    return text;
}

void WriteFlag(RegKey& key, const char* name, bool set) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(set ? 1 : 0), 0, 0, 0};
    key.WriteValue(name, RegType::Binary, bytes, sizeof bytes);
}

std::optional<FieldProblem> At(TransverterField field, std::optional<std::string> message) {
    if (!message) return std::nullopt;
    return FieldProblem{static_cast<int>(field), *message};
}

}  // namespace

std::vector<std::string> TransverterNames(Registry& registry) {
    std::vector<std::string> names;
    ForEachTransverter(registry, [&](RegKey& key, const std::string&) {
        std::string name;
        if (RegReadString(key, "Name", name, transverter_limits::kName + 1) && !name.empty()) names.push_back(name);
        return false;
    });
    return names;
}

TransverterFields NewTransverterFields() { return {"", "", "0", "0", "0", "0", false, false}; }

TransverterFields LoadTransverterFields(Registry& registry, const std::string& name) {
    TransverterFields f = NewTransverterFields();
    std::string path;
    if (!FindTransverterKey(registry, name, path)) return f;
    std::unique_ptr<RegKey> key = registry.Open(RegRoot::LocalMachine, path);
    if (!key) return f;
    f.name = name;
    RegReadString(*key, "Program", f.program, transverter_limits::kProgram + 1);
    double value = 0.0;
    for (auto [valueName, text] : {std::pair{"Start Freq", &f.start}, std::pair{"Finish Freq", &f.finish},
                                   std::pair{"TX IF", &f.txOffset}, std::pair{"RX IF", &f.rxOffset}}) {
        value = 0.0;
        RegReadDouble(*key, valueName, value);
        *text = Mhz(value);
    }
    f.tx = TransverterFlagSet(*key, "TX");
    f.rx = TransverterFlagSet(*key, "RX");
    return f;
}

std::optional<FieldProblem> TransverterFromFields(const TransverterFields& f, TransverterRecord& r) {
    using F = TransverterField;
    TransverterRecord out;
    auto mhz = [](F field, const char* label, const std::string& text, double& value) {
        return [field, label, text = &text, value = &value] {
            return At(field, CheckDecimal(label, *text, 0.0, kHighestMhz, *value, " MHz"));
        };
    };
    auto problem = FirstProblem(
        [&] { return At(F::Name, CheckKeyName("Name", f.name, transverter_limits::kName)); },
        [&] { return At(F::Program, CheckText("Program", f.program, transverter_limits::kProgram, false)); },
        mhz(F::Start, "Start", f.start, out.start), mhz(F::Finish, "Finish", f.finish, out.finish),
        [&] {
            return out.finish < out.start
                       ? At(F::Finish, std::string("Finish must not be below Start: the transverter covers the "
                                                   "satellite frequencies from Start to Finish."))
                       : std::nullopt;
        },
        mhz(F::TxOffset, "TX LO", f.txOffset, out.txOffset), mhz(F::RxOffset, "RX LO", f.rxOffset, out.rxOffset));
    if (problem) return problem;
    out.name = f.name;
    out.program = f.program;
    out.tx = f.tx;
    out.rx = f.rx;
    r = out;
    return std::nullopt;
}

bool SaveTransverter(Registry& registry, const TransverterRecord& r) {
    std::string path;
    if (!FindTransverterKey(registry, r.name, path)) {
        path = CreateNewSubkey(registry, RegRoot::LocalMachine, kTransvertersKeyPath, r.name);
    }
    std::unique_ptr<RegKey> key = path.empty() ? nullptr : registry.Create(RegRoot::LocalMachine, path);
    if (!key) return false;
    RegWriteString(*key, "Name", r.name);
    RegWriteString(*key, "Program", r.program);
    RegWriteDouble(*key, "Start Freq", r.start);
    RegWriteDouble(*key, "Finish Freq", r.finish);
    RegWriteDouble(*key, "TX IF", r.txOffset);
    RegWriteDouble(*key, "RX IF", r.rxOffset);
    WriteFlag(*key, "RX", r.rx);
    WriteFlag(*key, "TX", r.tx);
    return true;
}

bool DeleteTransverter(Registry& registry, const std::string& name) {
    std::string path;
    return FindTransverterKey(registry, name, path) &&
           registry.DeleteKey(RegRoot::LocalMachine, path) == RegStatus::Ok;
}

}  // namespace tarvon
