#include "registry.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

#include "comboindicators.h"

namespace lottodesk {
namespace {

// Lookup order of the registry, one identifier per word.
constexpr const char* kOrder =
    "xh21 xh32 xh43 xh54 xh65 xh76 xh31 xh42 xh53 xh64 xh75 xh41 xh52 xh63 xh74 xh51 xh62 xh61 xh73 xh72 xh71 "
    "xc21 xc32 xc43 xc54 xc65 xc76 xc31 xc42 xc53 xc64 xc75 xc41 xc52 xc63 xc74 xc51 xc62 xc61 xc73 xc72 xc71 "
    "f_hz f_cz "
    "xh21zf xh32zf xh43zf xh54zf xh65zf xh31zf xh42zf xh53zf xh64zf xh41zf xh52zf xh63zf xh51zf xh62zf xh61zf "
    "xc21zf xc32zf xc43zf xc54zf xc65zf xc31zf xc42zf xc53zf xc64zf xc41zf xc52zf xc63zf xc51zf xc62zf xc61zf "
    "f_hzzf f_czzf "
    "z_hz z_hw z_wh z_jshe z_oshe z_zshe z_hshe z_dxqdshe z_dxqxshe z_dzxqdshe z_dzxqzshe z_dzxqxshe z_c3yshe "
    "z_c4yshe z_c5yshe z_0lhe z_1lhe z_2lhe z_gwhe z_xjhe z_djhe z_xohe z_dohe z_xzhe z_dzhe z_xhhe z_dhhe "
    "z_hzzf z_hwzf z_gwgszf z_whzf z_jshezf z_oshezf z_zshezf z_hshezf z_dxqdshezf z_dxqxshezf z_dzxqdshezf "
    "z_dzxqzshezf z_dzxqxshezf z_c3yshezf z_c4yshezf z_c5yshezf z_0lhezf z_1lhezf z_2lhezf "
    "z_num1 z_num2 z_num3 z_num4 z_num5 z_num6 z_num7 "
    "z_num1_w z_num2_w z_num3_w z_num4_w z_num5_w z_num6_w z_num7_w "
    "f_num1 f_num2 "
    "z_pd z_sd z_aver z_dsgs z_jsgs z_zsgs z_cmgs z_wzgs z_lmzs z_nmzs z_ac z_zdjj z_zxjj z_jjgs z_gwgs z_jhlx "
    "z_ohlx z_zhlx z_hhlx z_maxlh z_c3y0 z_c3y1 z_c3y2 z_c4y0 z_c4y1 z_c4y2 z_c4y3 z_c5y0 z_c5y1 z_c5y2 z_c5y3 "
    "z_c5y4 z_3fq_1qgs z_3fq_2qgs z_3fq_3qgs z_lwr_lmgs z_lwr_wmgs z_lwr_rmgs f_aver f_pd f_sd "
    "z_num1zf z_num2zf z_num3zf z_num4zf z_num5zf z_num6zf z_num7zf f_num1zf f_num2zf z_pdzf z_sdzf z_averzf "
    "z_dsgszf z_jsgszf z_zsgszf z_cmgszf z_wzgszf z_lmzszf z_nmzszf z_aczf f_averzf f_pdzf f_sdzf "
    "z_num1yl z_num2yl z_num3yl z_num4yl z_num5yl z_num6yl z_num7yl "
    "z_num1yl_toall z_num2yl_toall z_num3yl_toall z_num4yl_toall z_num5yl_toall z_num6yl_toall z_num7yl_toall "
    "z_pdyl z_sdyl z_averyl z_hzyl z_whyl z_hwyl z_ylhz f_num1yl f_num2yl "
    "z_num1ylzf z_num2ylzf z_num3ylzf z_num4ylzf z_num5ylzf z_pdylzf z_sdylzf z_averylzf z_hzylzf z_whylzf "
    "z_hwylzf z_ylhzzf f_num1ylzf f_num2ylzf";

// Names and ranges of derived forms that do not follow "base name + suffix" and the base range.
struct Special {
    const char* id;
    const char* name;  // null: base name + suffix
    RangeBound min, max;
};

const Special kSpecials[] = {
    {"xh61zf", "线和6_1(极和)振幅", bound(0), bound(65)},   {"xc61zf", "线差6_1(极差)振幅", bound(0), bound(32)},
    {"f_hzzf", "副区和值振幅", bound(0), bound(23)},        {"f_czzf", "副区差值振幅", bound(0), bound(11)},
    {"z_gwgszf", "主区高尾个数振幅", bound(0), bound(6)},   {"f_num1zf", "蓝号振幅", bound(0), boundSpecTo()},
    {"f_num2zf", "副号二振幅", bound(0), bound(12)},        {"z_pdzf", "主区偏度振幅", bound(0), bound(24)},
    {"z_sdzf", "主区散度振幅", bound(0), bound(25)},        {"z_averzf", "主区平均值振幅", bound(0), bound(33)},
    {"z_lmzszf", nullptr, bound(0), boundKMinus1()},        {"z_aczf", "主区AC值振幅", bound(0), bound(6)},
    {"f_averzf", "副区平均值振幅", bound(0), bound(12)},    {"f_pdzf", "副区偏度振幅", bound(0), bound(15)},
    {"f_sdzf", "副区散度振幅", bound(0), bound(16)},        {"z_averyl", "主区均值遗漏", bound(0), bound(150)},
    {"z_hzyl", "主区和值遗漏", bound(0), bound(500)},       {"z_hwyl", "主区和尾遗漏", bound(0), bound(50)},
    {"f_num1yl", "蓝号遗漏", bound(0), bound(150)},         {"z_averylzf", "主区均值遗漏振幅", bound(0), bound(150)},
    {"z_hzylzf", "主区和值遗漏振幅", bound(0), bound(500)}, {"z_hwylzf", "主区和尾遗漏振幅", bound(0), bound(50)},
    {"z_ylhzzf", "遗漏和值振幅", bound(0), bound(100)},     {"f_num1ylzf", "蓝号遗漏振幅", bound(0), bound(150)},
};

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

Registry::Registry() {
    std::unordered_map<std::string, const IndicatorDef*> bases;
    for (const IndicatorDef& def : comboIndicatorDefs()) bases[def.id] = &def;
    for (const IndicatorDef& def : historyIndicatorDefs()) bases[def.id] = &def;
    std::unordered_map<std::string, const Special*> specials;
    for (const Special& special : kSpecials) specials[special.id] = &special;

    auto make = [&](const std::string& id, IndicatorForm form, const std::string& baseId) {
        const auto base = bases.find(baseId);
        if (base == bases.end()) throw std::logic_error("registry: no base indicator " + baseId);
        RegistryItem item{id,     base->second->name, base->second->min, base->second->max, form,
                          baseId, base->second->value};
        switch (form) {
        case IndicatorForm::Base: break;
        case IndicatorForm::Amplitude:
            item.name += "振幅";
            item.min = bound(0);
            break;
        case IndicatorForm::Omission:
            item.name += "遗漏";
            item.min = bound(0);
            item.max = bound(150);
            break;
        case IndicatorForm::OmissionAmplitude:
            item.name += "遗漏振幅";
            item.min = bound(0);
            item.max = bound(150);
            break;
        }
        if (auto special = specials.find(id); special != specials.end()) {
            if (special->second->name) item.name = special->second->name;
            item.min = special->second->min;
            item.max = special->second->max;
        }
        return item;
    };

    auto build = [&](const std::string& id) {
        if (bases.count(id)) return make(id, IndicatorForm::Base, id);
        if (endsWith(id, "ylzf")) return make(id, IndicatorForm::OmissionAmplitude, id.substr(0, id.size() - 4));
        if (endsWith(id, "zf")) return make(id, IndicatorForm::Amplitude, id.substr(0, id.size() - 2));
        if (endsWith(id, "yl")) return make(id, IndicatorForm::Omission, id.substr(0, id.size() - 2));
        throw std::logic_error("registry: cannot build " + id);
    };
    std::istringstream words(kOrder);
    for (std::string id; words >> id;) m_items.push_back(build(id));
    m_unlisted.push_back(build("z_num6ylzf"));
}

const Registry& Registry::instance() {
    static const Registry registry;
    return registry;
}

const RegistryItem* Registry::find(std::string_view id) const {
    static const std::unordered_map<std::string_view, const RegistryItem*> index = [this] {
        std::unordered_map<std::string_view, const RegistryItem*> map;
        for (const RegistryItem& item : m_items) map.emplace(item.id, &item);
        for (const RegistryItem& item : m_unlisted) map.emplace(item.id, &item);
        return map;
    }();
    auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}

bool Registry::lookup_name(std::string_view id, const GameParams& game, const std::string& specname,
                           tsetaccostr& entry) const {
    entry = tsetaccostr{std::string(id), {}, 0, 0};
    // The unlisted identifiers resolve to values but have no entry of their own.
    const RegistryItem* item = find(id);
    if (!item) return false;
    for (const RegistryItem& unlisted : m_unlisted)
        if (item == &unlisted) return false;
    entry.name = item->name;
    if (item->id == "f_num1") entry.name = specname == "副号" ? "副号一" : specname;
    entry.min = item->min.resolve(game);
    entry.max = item->max.resolve(game);
    return true;
}

int32_t registryValue(const RegistryItem& item, const IndicatorContext& ctx, int n) {
    const SeriesRef series{item.baseId, item.base};
    switch (item.form) {
    case IndicatorForm::Base: return item.base(ctx, n);
    case IndicatorForm::Amplitude: return amplitudeAt(ctx, series, n);
    case IndicatorForm::Omission: return omissionAt(ctx, series, n);
    case IndicatorForm::OmissionAmplitude: return omissionAmplitudeAt(ctx, series, n);
    }
    return kUnknownIndicator;
}

const std::vector<std::string_view>& extendedPrefixes() {
    // In the order of ExtendedFamily.
    static const std::vector<std::string_view> prefixes = {
        "c_cz", "c_hz",    "c_xw_cz", "c_xw_hz", "c_ylz", "c_fq",   "c_hnskhkn", "c_hnszhxt",
        "c_ys", "c_2zbzh", "c_3zbzh", "c_zhfx",  "c_lwr", "c_same", "c_gqch",    "c_twyc"};
    return prefixes;
}

namespace {

bool carriesArrangement(ExtendedFamily family) {
    return family == ExtendedFamily::Hnskhkn || family == ExtendedFamily::Hnszhxt;
}

// Two digits a cell, at most 100 cells; the cells not given stay empty (99).
std::shared_ptr<const std::array<uint8_t, 100>> parseArrangementSuffix(std::string_view digits) {
    if (digits.empty() || digits.size() % 2 != 0 || digits.size() > 200) return nullptr;
    auto cells = std::make_shared<std::array<uint8_t, 100>>();
    cells->fill(99);
    for (size_t i = 0; i < digits.size(); i += 2) {
        if (digits[i] < '0' || digits[i] > '9' || digits[i + 1] < '0' || digits[i + 1] > '9') return nullptr;
        (*cells)[i / 2] = static_cast<uint8_t>((digits[i] - '0') * 10 + (digits[i + 1] - '0'));
    }
    return cells;
}

}  // namespace

std::string arrangementSuffix(const std::array<uint8_t, 100>& cells, int used) {
    std::string suffix = "_a";
    for (int p = 0; p < std::clamp(used, 0, 100); ++p) {
        const int v = cells[static_cast<size_t>(p)] % 100;
        suffix += static_cast<char>('0' + v / 10);
        suffix += static_cast<char>('0' + v % 10);
    }
    return suffix;
}

ResolvedIdentifier resolveIdentifier(std::string_view id) {
    ResolvedIdentifier resolved;
    if (const RegistryItem* item = Registry::instance().find(id)) {
        resolved.kind = ResolvedIdentifier::Registry;
        resolved.item = item;
        return resolved;
    }
    if (id == kAuxiliaryId) {
        resolved.kind = ResolvedIdentifier::Auxiliary;
        return resolved;
    }
    const auto& prefixes = extendedPrefixes();
    for (size_t family = 0; family < prefixes.size(); ++family) {
        const size_t at = id.find(prefixes[family]);
        if (at == std::string_view::npos) continue;
        resolved.kind = ResolvedIdentifier::Extended;
        resolved.extendedFamily = static_cast<int>(family);
        resolved.parameterStart = at + prefixes[family].size() + 1;
        if (isFormulaFamily(resolved.family())) return resolved;
        std::string_view parameters = resolved.parameterText(id);
        if (carriesArrangement(resolved.family())) {
            if (const size_t at = parameters.find("_a"); at != std::string_view::npos) {
                resolved.arrangement = parseArrangementSuffix(parameters.substr(at + 2));
                if (!resolved.arrangement) {
                    resolved.conversionError = true;
                    resolved.badParameter = std::string(parameters.substr(at + 1));
                    return resolved;
                }
                parameters = parameters.substr(0, at);
            }
        }
        resolved.conversionError =
            !parseExtendedParameters(resolved.family(), parameters, resolved.parameters, resolved.badParameter);
        return resolved;
    }
    return resolved;
}

int32_t resolvedValue(const ResolvedIdentifier& resolved, std::string_view, const IndicatorContext& ctx, int n) {
    switch (resolved.kind) {
    case ResolvedIdentifier::Registry: return registryValue(*resolved.item, ctx, n);
    case ResolvedIdentifier::Auxiliary: return auxiliaryValue(ctx, n);
    case ResolvedIdentifier::Extended:
        if (resolved.isFormulaFamily()) break;
        if (resolved.conversionError) return 0;
        if (resolved.arrangement) {
            IndicatorContext carried = ctx;
            carried.arrangement = resolved.arrangement.get();
            return extendedValue(resolved.family(), resolved.parameters, carried, n);
        }
        return extendedValue(resolved.family(), resolved.parameters, ctx, n);
    case ResolvedIdentifier::Unknown: break;
    }
    return kUnknownIndicator;
}

int32_t getzb(std::string_view id, const IndicatorContext& ctx, int n) {
    return resolvedValue(resolveIdentifier(id), id, ctx, n);
}

}  // namespace lottodesk
