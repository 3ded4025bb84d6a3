#pragma once
// The setup dialogs' checks of what was typed. Each check returns the message
// to show, naming the field by its label, or nothing when the text is good;
// the dialog then puts the focus back on that field and writes nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvon {

// A field the dialog must return to, and what to tell the user about it.
// `field` is the validator's own field number, which the dialog maps to its
// control.
struct FieldProblem {
    int field;
    std::string message;
};

// Digits only (blanks around them allowed), from `min` to `max`.
std::optional<std::string> CheckWholeNumber(std::string_view label, std::string_view text, uint32_t min,
                                            uint32_t max, uint32_t& value);
// The same with an optional leading minus sign.
std::optional<std::string> CheckSignedNumber(std::string_view label, std::string_view text, int32_t min, int32_t max,
                                             int32_t& value);
// A decimal number such as "52.25" or "-0.5" (no exponent, no thousands
// separator), from `min` to `max`. `detail` follows the range in the message,
// e.g. " MHz".
std::optional<std::string> CheckDecimal(std::string_view label, std::string_view text, double min, double max,
                                        double& value, std::string_view detail = "");
// A text of at most `maxChars` characters (UTF-8 counted as characters);
// `required` refuses an empty (or all-blank) text.
std::optional<std::string> CheckText(std::string_view label, std::string_view text, size_t maxChars, bool required);

// Texts that become part of a registry key's path (a satellite's or a
// transverter's name) cannot hold a backslash.
std::optional<std::string> CheckKeyName(std::string_view label, std::string_view text, size_t maxChars);

// Runs the checks in order and returns the first problem, with its field.
template <typename... Checks>
std::optional<FieldProblem> FirstProblem(Checks... checks) {
    std::optional<FieldProblem> problem;
    ((problem || (problem = checks())), ...);
    return problem;
}

// One field's check for FirstProblem: `check` returns the message, and the
// problem carries the field's number.
template <typename Check>
auto CheckField(int field, Check check) {
    return [field, check]() -> std::optional<FieldProblem> {
        if (std::optional<std::string> message = check()) return FieldProblem{field, *message};
        return std::nullopt;
    };
}

// A whole-number field for FirstProblem; `text` and `value` must outlive it.
inline auto CheckNumberField(int field, const char* label, const std::string& text, uint32_t min, uint32_t max,
                             uint32_t& value) {
    return CheckField(field, [=, &text, &value] { return CheckWholeNumber(label, text, min, max, value); });
}

}  // namespace tarvon
