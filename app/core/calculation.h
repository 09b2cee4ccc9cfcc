// The shape shared by the five screen calculations.
//
// A calculation is a function of its field texts (and the regional settings)
// alone: it converts the numeric fields in its own order (the first failure
// ends it with the screen's input-error text), runs its checks (the first
// failure ends it with that check's text), then computes and writes its
// result labels in order. It may stop after some writes with a warning, and
// an arithmetic fault ends it wherever it happens; writes made before either
// stand. The window, the command line, the tests and the fuzzers all drive
// the same functions.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/convert.h"
#include "app/core/regional.h"
#include "loan/fault.h"

namespace qm {

enum class FieldKind { Integer, Real, YesNo };

struct FieldSpec {
    const char* name;         // the control name, e.g. "esp"
    const char* defaultText;  // what FormCreate writes
    int maxLength;            // 0: no limit
    FieldKind kind;
};

// One text per field, in the order of the screen's field table.
using FieldTexts = std::vector<std::string>;

struct Write {
    std::string label;
    std::string text;
    bool operator==(const Write&) const = default;
};

struct FinalEvent {
    enum class Kind { Warning, Fault };
    Kind kind;
    std::string text;                // the warning, or the fault's text without its full stop
    std::optional<FaultKind> fault;  // set for a fault

    static FinalEvent warning(std::string text) { return {Kind::Warning, std::move(text), std::nullopt}; }
    static FinalEvent arithmetic(FaultKind k) { return {Kind::Fault, faultText(k), k}; }
    bool operator==(const FinalEvent&) const = default;
};

struct Outcome {
    std::vector<Write> writes;
    std::optional<FinalEvent> message;

    void write(std::string label, std::string text) { writes.push_back({std::move(label), std::move(text)}); }
    void warn(std::string text) { message = FinalEvent::warning(std::move(text)); }
};

// Runs a calculation body and turns an arithmetic fault into its final event,
// keeping the writes made before it.
template <class Body>
Outcome runCalculation(Body&& body)
{
    Outcome out;
    try {
        body(out);
    } catch (const ArithmeticFault& fault) {
        out.message = FinalEvent::arithmetic(fault.kind);
    }
    return out;
}

// Reads fields by name in the screen's conversion order. After the first
// failure nothing more is converted and failed() stays true. A text longer
// than its field's MaxLength fails like a bad number: the window cannot
// produce one, other front ends can.
class FieldReader {
public:
    FieldReader(std::span<const FieldSpec> fields, const FieldTexts& texts, const RegionalSettings& settings);

    Count integer(std::string_view name);
    Real real(std::string_view name);
    std::optional<YesNo> yesNo(std::string_view name) const;
    bool failed() const { return failed_; }

private:
    const std::string* textOf(std::string_view name) const;
    bool fits(std::string_view name, const std::string& text) const;

    std::span<const FieldSpec> fields_;
    const FieldTexts& texts_;
    const RegionalSettings& settings_;
    bool failed_ = false;
};

using CalculationFn = Outcome (*)(const FieldTexts&, const RegionalSettings&);

struct ScreenDef {
    const char* id;     // command-line name: "selling"
    const char* title;  // "Selling"
    std::span<const FieldSpec> fields;
    std::span<const char* const> resultLabels;
    CalculationFn calculate;
};

FieldTexts defaultTexts(std::span<const FieldSpec> fields);
int fieldIndex(std::span<const FieldSpec> fields, std::string_view name);  // -1 when absent

}  // namespace qm
