#pragma once
// The indicator registry: every identifier with its display name and value range, in lookup
// order, and the value of an identifier at a draw (getzb).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "extended.h"
#include "historyops.h"
#include "indicatordef.h"

namespace lottodesk {

// The answer of a name lookup.
struct tsetaccostr {
    std::string id;
    std::string name;
    int32_t min = 0;
    int32_t max = 0;
};

// How an identifier is computed from its base indicator.
enum class IndicatorForm : uint8_t { Base, Amplitude, Omission, OmissionAmplitude };

struct RegistryItem {
    std::string id;
    std::string name;
    RangeBound min;
    RangeBound max;
    IndicatorForm form = IndicatorForm::Base;
    std::string baseId;  // the series the form is taken of (the id itself for Base)
    IndicatorFn base = nullptr;
};

// The value of a resolved identifier.
int32_t registryValue(const RegistryItem& item, const IndicatorContext& ctx, int n);

class Registry {
public:
    // The one registry, built on first use and never changed.
    static const Registry& instance();

    const std::vector<RegistryItem>& items() const { return m_items; }
    const RegistryItem* find(std::string_view id) const;

    // Name and range of `id` for the current game; `specname` is the current type's secondary
    // label (it names f_num1; "副号" becomes "副号一"). False, with only `id` set and the rest
    // cleared, when the identifier is not in the registry's lookup order (also for z_num6ylzf,
    // whose value `find` still resolves).
    bool lookup_name(std::string_view id, const GameParams& game, const std::string& specname,
                     tsetaccostr& entry) const;

private:
    Registry();
    std::vector<RegistryItem> m_items;
    // Resolvable but not offered in the lookup order (z_num6ylzf, which the catalogue names).
    std::vector<RegistryItem> m_unlisted;
};

// The identifier that reads the analysed series of the context (see auxiliaryValue).
inline constexpr std::string_view kAuxiliaryId = "test";
inline constexpr int32_t kUnknownIndicator = -999;

// What an identifier text resolves to, fixed once per formula.
struct ResolvedIdentifier {
    enum Kind : uint8_t { Unknown, Registry, Auxiliary, Extended } kind = Unknown;
    const RegistryItem* item = nullptr;
    int extendedFamily = -1;  // index into extendedPrefixes(), the order of ExtendedFamily
    size_t parameterStart = 0;
    // The integer parameters of a number family, read when the identifier is resolved.
    ExtendedParameters parameters{};
    // A parameter of a number family is not an integer: asking for the value is the platform's
    // conversion error, which stops the evaluation (the evaluator checks this flag first).
    bool conversionError = false;
    std::string badParameter;  // the text that is not an integer
    // The arrangement a row/column identifier carries ("c_hnskhkn_0_6_6_a0102.."): its cells, two
    // digits each, read instead of the context's arrangement. A condition saved with it is checked
    // against the arrangement it was made on, whatever the pattern page holds later.
    std::shared_ptr<const std::array<uint8_t, 100>> arrangement;

    ExtendedFamily family() const { return static_cast<ExtendedFamily>(extendedFamily); }
    bool isFormulaFamily() const { return kind == Extended && lottodesk::isFormulaFamily(family()); }
    // The text after the prefix and its separator (empty when the identifier ends before it).
    std::string_view parameterText(std::string_view id) const {
        return parameterStart < id.size() ? id.substr(parameterStart) : std::string_view{};
    }
};

// The prefixes of the extended families, in the order they are tried; each is found anywhere in
// the text and its parameters start after it and one separator character.
const std::vector<std::string_view>& extendedPrefixes();

ResolvedIdentifier resolveIdentifier(std::string_view id);
// The suffix that carries an arrangement: "_a" and the first `used` cells as two digits each.
std::string arrangementSuffix(const std::array<uint8_t, 100>& cells, int used);

// getzb: the value of `id` at record n, -999 when the text is no identifier.
int32_t getzb(std::string_view id, const IndicatorContext& ctx, int n);
// The value of a resolved identifier. The formula families (c_2zbzh, c_3zbzh, c_zhfx) are
// evaluated by the formula evaluator, which compiles their formulas; asked here they give -999.
// An identifier with a conversion error gives 0 here; the evaluator stops before asking.
int32_t resolvedValue(const ResolvedIdentifier& resolved, std::string_view id, const IndicatorContext& ctx, int n);

}  // namespace lottodesk
