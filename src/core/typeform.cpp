#include "typeform.h"

#include <optional>

#include "integertext.h"

namespace lottodesk {
namespace {

constexpr TypePreset kPresets[] = {
    {"双色球", 6, 1, 33, true, 1, 1, 16},
    {"超级大乐透", 5, 1, 35, true, 2, 1, 12},
    // The special number is drawn from the main range, after the seven main numbers.
    {"七乐彩", 7, 1, 30, true, 1, 1, 30},
    {"Lotto 6/49", 6, 1, 49, false, 0, 0, 0},
};

std::string range(int lo, int hi) { return std::to_string(lo) + "到" + std::to_string(hi); }

// A number field: its value, or the message naming it.
struct Field {
    std::optional<int> value;
    std::string problem;
};

Field number(const std::string& text, const std::string& name) {
    Field field{parseInteger(text), {}};
    if (!field.value) field.problem = name + "：" + notAnIntegerMessage(text);
    return field;
}

// A zone of `count` numbers drawn out of from..to.
std::string zoneProblem(const std::string& zone, const std::string& countName, int count, int from, int to) {
    if (from < 0 || from > kHighestNumber || to < 0 || to > kHighestNumber)
        return zone + "必须在" + range(0, kHighestNumber) + "之间";
    if (from >= to) return zone + "的起始号码必须小于结束号码";
    const int numbers = to - from + 1;
    if (numbers < count)
        return zone + "只有" + std::to_string(numbers) + "个号码，少于" + countName + std::to_string(count) + "个";
    return {};
}

}  // namespace

std::string typeFormProblem(const TypeForm& form) {
    if (form.cpmm.find_first_not_of(' ') == std::string::npos) return "彩种名称不能为空";
    const Field zhgs = number(form.zhgs, "开奖主号个数");
    const Field zhFrom = number(form.zh_from, "主号范围的起始号码");
    const Field zhTo = number(form.zh_to, "主号范围的结束号码");
    for (const Field* field : {&zhgs, &zhFrom, &zhTo})
        if (!field->value) return field->problem;
    if (*zhgs.value < 1 || *zhgs.value > kMaxEnteredMain)
        return "开奖主号个数必须在" + range(1, kMaxEnteredMain) + "之间";
    if (std::string problem = zoneProblem("主号范围", "开奖主号个数", *zhgs.value, *zhFrom.value, *zhTo.value);
        !problem.empty())
        return problem;
    if (!form.hasspec) return {};

    const Field fhgs = number(form.fhgs, "特别号码个数");
    const Field specFrom = number(form.spec_from, "特别号码范围的起始号码");
    const Field specTo = number(form.spec_to, "特别号码范围的结束号码");
    for (const Field* field : {&fhgs, &specFrom, &specTo})
        if (!field->value) return field->problem;
    if (*fhgs.value < 1 || *fhgs.value > kMaxEnteredSecondary)
        return "有特别号码时，特别号码个数必须在" + range(1, kMaxEnteredSecondary) + "之间";
    return zoneProblem("特别号码范围", "特别号码个数", *fhgs.value, *specFrom.value, *specTo.value);
}

void storeTypeForm(const TypeForm& form, tcpstyle& type) {
    auto byte = [](const std::string& text) { return static_cast<uint8_t>(parseInteger(text).value_or(0)); };
    type.cpmm = fitTypeText(form.cpmm);
    type.zhgs = byte(form.zhgs);
    type.zh_from = byte(form.zh_from);
    type.zh_to = byte(form.zh_to);
    type.hasspec = form.hasspec ? 1 : 0;
    if (form.hasspec) {
        type.fhgs = byte(form.fhgs);
        type.spec_from = byte(form.spec_from);
        type.spec_to = byte(form.spec_to);
    } else {
        type.fhgs = 0;
    }
}

std::span<const TypePreset> typePresets() { return kPresets; }

TypeForm presetForm(const TypePreset& preset) {
    auto text = [](int value) { return std::to_string(value); };
    TypeForm form{preset.name, text(preset.zhgs), text(preset.zh_from), text(preset.zh_to), preset.hasspec};
    if (preset.hasspec) {
        form.fhgs = text(preset.fhgs);
        form.spec_from = text(preset.spec_from);
        form.spec_to = text(preset.spec_to);
    }
    return form;
}

}  // namespace lottodesk
