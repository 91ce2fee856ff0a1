#include "pagekind.h"

#include <array>

namespace lottodesk {

namespace {

constexpr std::array<PageKindInfo, kPageKindCount> kInfos = {{
    {PageKind::hmsh, "hmsh", "红码杀号", 60, 10, Verdict::Kill, false},
    {PageKind::lmsh, "lmsh", "蓝码杀号", 60, 10, Verdict::Kill, true},
    {PageKind::hmtd, "hmtd", "红码定胆", 15, 5, Verdict::Fix, false},
    {PageKind::fqtd, "fqtd", "副区定胆", 10, 2, Verdict::Fix, true},
    {PageKind::hmsw, "hmsw", "红码杀尾", 30, 5, Verdict::TailKill, false},
    {PageKind::selfsh, "selfsh", "自定义杀号", 100, 10, Verdict::CustomKill, false},
}};

}  // namespace

const PageKindInfo& pageKindInfo(PageKind kind) { return kInfos[static_cast<size_t>(kind)]; }

std::optional<PageKind> pageKindFromCode(std::string_view code) {
    for (const PageKindInfo& info : kInfos)
        if (code == info.code) return info.kind;
    return std::nullopt;
}

const std::vector<PageKind>& allPageKinds() {
    static const std::vector<PageKind> kinds = {PageKind::hmsh, PageKind::lmsh, PageKind::hmtd,
                                                PageKind::fqtd, PageKind::hmsw, PageKind::selfsh};
    return kinds;
}

bool hasSchemeFile(PageKind kind) { return kind != PageKind::selfsh; }

const char* schemeName(int index) {
    static constexpr const char* names[kSchemeCount] = {"方案一", "方案二", "方案三", "方案四", "方案五",
                                                        "方案六", "方案七", "方案八", "方案九", "方案十"};
    return index >= 0 && index < kSchemeCount ? names[index] : "";
}

bool pageShown(PageKind kind, int fhgs) {
    if (kind == PageKind::lmsh) return fhgs >= 1;
    if (kind == PageKind::fqtd) return fhgs >= 2;
    return true;
}

NumberRange forecastRange(PageKind kind, const GameParams& game) {
    switch (kind) {
    case PageKind::hmsh:
    case PageKind::hmtd: return {1, game.zh_to};
    case PageKind::lmsh:
    case PageKind::fqtd: return {1, game.spec_to};
    case PageKind::hmsw: return {0, 9};
    case PageKind::selfsh: return {0, 999};
    }
    return {1, game.zh_to};
}

}  // namespace lottodesk
