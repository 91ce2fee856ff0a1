#include "resultsources.h"

#include <algorithm>

#include "json.h"

namespace lottodesk::sources {
namespace {

constexpr SourceInfo kSources[] = {
    {SourceKind::Cwl, "cwl", "中国福利彩票开奖公告", "https://www.cwl.gov.cn"},
    {SourceKind::Sporttery, "sporttery", "中国体育彩票开奖公告", "https://webapi.sporttery.cn"},
};

// What a reader says about an answer it does not know, so the user can report the change.
std::string changedShape(const char* what) {
    return std::string("开奖数据的格式与本软件所知的不同（") + what + "），可能是结果服务改变了格式，请报告";
}

std::string notJson(const std::string& error) {
    return "结果服务返回的不是开奖数据（" + error + "）";
}

// "01,02,11" or "01 02 11": the numbers, or nullopt when a piece is no number of 0..99.
std::optional<std::vector<int>> numbersOf(std::string_view text) {
    std::vector<int> numbers;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ',' || text[i] == ' ' || text[i] == '\t' || text[i] == '+')) ++i;
        if (i >= text.size()) break;
        int value = 0, digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 3) value = value * 10 + (text[i++] - '0'), ++digits;
        if (digits == 0 || digits > 2 || (i < text.size() && text[i] != ',' && text[i] != ' ' && text[i] != '\t' && text[i] != '+'))
            return std::nullopt;
        numbers.push_back(value);
    }
    return numbers;
}

long long integerOr(const json::Value* value, long long fallback) {
    if (!value) return fallback;
    return value->integer().value_or(fallback);
}

std::string textOr(const json::Value* value) {
    if (!value) return {};
    return value->text().value_or(std::string());
}

const char* kChineseLevels[] = {"一等奖", "二等奖", "三等奖", "四等奖", "五等奖",
                                "六等奖", "七等奖", "八等奖", "九等奖"};

}  // namespace

std::optional<SourceKind> sourceOfType(std::string_view typeName) {
    if (typeName == "双色球" || typeName == "七乐彩") return SourceKind::Cwl;
    if (typeName == "超级大乐透") return SourceKind::Sporttery;
    return std::nullopt;
}

const SourceInfo& sourceInfo(SourceKind kind) { return kSources[kind == SourceKind::Cwl ? 0 : 1]; }

std::optional<SourceKind> sourceNamed(std::string_view name) {
    for (const SourceInfo& info : kSources)
        if (name == info.name) return info.kind;
    return std::nullopt;
}

std::string pageAddress(SourceKind kind, std::string_view base, std::string_view typeName, int page) {
    std::string address(base.empty() ? std::string_view(sourceInfo(kind).base) : base);
    while (!address.empty() && address.back() == '/') address.pop_back();
    const std::string pageText = std::to_string(std::max(page, 1));
    if (kind == SourceKind::Cwl)
        return address + "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=" +
               (typeName == "七乐彩" ? "qlc" : "ssq") + "&pageNo=" + pageText + "&pageSize=" +
               std::to_string(kPageSize) + "&systemType=PC";
    return address + "/gateway/lottery/getHistoryPageListV1.qry?gameNo=85&provinceId=0&pageSize=" +
           std::to_string(kPageSize) + "&isVerify=1&pageNo=" + pageText;
}

int mainCountOfType(std::string_view typeName) {
    if (typeName == "双色球") return 6;
    if (typeName == "七乐彩") return 7;
    if (typeName == "超级大乐透") return 5;
    return 0;
}

std::optional<NamedSource> namedSource(std::string_view text) {
    const size_t equals = text.find('=');
    const std::optional<SourceKind> kind = sourceNamed(text.substr(0, equals));
    if (!kind) return std::nullopt;
    return NamedSource{*kind, equals == std::string_view::npos ? std::string() : std::string(text.substr(equals + 1))};
}

std::string prizeTableText(const std::vector<SourceDraw>& draws) {
    auto number = [](long long v) { return v < 0 ? std::string() : std::to_string(v); };
    auto clean = [](std::string text) {
        for (char& c : text)
            if (c == '\t' || c == '\r' || c == '\n' || c == '|') c = ' ';
        return text;
    };
    std::string text;
    for (const SourceDraw& d : draws) {
        if (d.levels.empty() && d.sales < 0 && d.pool < 0) continue;
        text += std::to_string(d.period) + '\t' + clean(d.date) + '\t' + number(d.sales) + '\t' + number(d.pool);
        for (const PrizeLevel& level : d.levels)
            text += '\t' + clean(level.name) + '|' + number(level.winners) + '|' + number(level.amount);
        text += "\r\n";
    }
    return text;
}

std::optional<int32_t> periodOf(std::string_view text) {
    const std::optional<long long> value = json::integerOf(text);
    if (!value || *value <= 0) return std::nullopt;
    if (*value >= 1000000 && *value <= 9999998) return static_cast<int32_t>(*value);  // year and draw
    if (*value >= 1000 && *value <= 99999) return static_cast<int32_t>(2000000 + *value);  // "23118"
    return std::nullopt;
}

SourcePage readCwlPage(std::string_view body) {
    SourcePage page;
    const json::Parse parsed = json::parse(body);
    if (!parsed.value) {
        page.error = notJson(parsed.error);
        return page;
    }
    const json::Value* result = parsed.value->member("result");
    if (!result || !result->isArray()) {
        page.error = changedShape("缺少result");
        return page;
    }
    page.pages = static_cast<int>(std::clamp<long long>(integerOr(parsed.value->member("pageCount"), 1), 1, 100000));
    int index = 0;
    for (const json::Value& item : result->elements()) {
        ++index;
        SourceDraw draw;
        const std::optional<int32_t> period = periodOf(textOr(item.member("code")));
        const std::optional<std::vector<int>> red = numbersOf(textOr(item.member("red")));
        const std::optional<std::vector<int>> blue = numbersOf(textOr(item.member("blue")));
        if (!period || !red || red->empty() || !blue || blue->empty()) {
            page.error = changedShape(("第" + std::to_string(index) + "期缺少期号或号码").c_str());
            page.draws.clear();
            return page;
        }
        draw.period = *period;
        draw.main = *red;
        draw.secondary = *blue;
        draw.date = textOr(item.member("date"));
        draw.sales = integerOr(item.member("sales"), -1);
        draw.pool = integerOr(item.member("poolmoney"), -1);
        if (const json::Value* grades = item.member("prizegrades")) {
            for (const json::Value& grade : grades->elements()) {
                PrizeLevel level;
                const long long type = integerOr(grade.member("type"), 0);
                if (type >= 1 && type <= 9) level.name = kChineseLevels[type - 1];
                else level.name = textOr(grade.member("type"));
                level.winners = integerOr(grade.member("typenum"), -1);
                level.amount = integerOr(grade.member("typemoney"), -1);
                if (!level.name.empty()) draw.levels.push_back(level);
            }
        }
        page.draws.push_back(std::move(draw));
    }
    return page;
}

SourcePage readSportteryPage(std::string_view body, int mainCount) {
    SourcePage page;
    const json::Parse parsed = json::parse(body);
    if (!parsed.value) {
        page.error = notJson(parsed.error);
        return page;
    }
    const json::Value* value = parsed.value->member("value");
    const json::Value* list = value ? value->member("list") : nullptr;
    if (!list || !list->isArray()) {
        page.error = changedShape("缺少value.list");
        return page;
    }
    page.pages = static_cast<int>(std::clamp<long long>(integerOr(value->member("pages"), 1), 1, 100000));
    int index = 0;
    for (const json::Value& item : list->elements()) {
        ++index;
        SourceDraw draw;
        const std::optional<int32_t> period = periodOf(textOr(item.member("lotteryDrawNum")));
        const std::optional<std::vector<int>> numbers = numbersOf(textOr(item.member("lotteryDrawResult")));
        if (!period || !numbers || static_cast<int>(numbers->size()) <= mainCount || mainCount < 1) {
            page.error = changedShape(("第" + std::to_string(index) + "期缺少期号或号码").c_str());
            page.draws.clear();
            return page;
        }
        draw.period = *period;
        draw.main.assign(numbers->begin(), numbers->begin() + mainCount);
        draw.secondary.assign(numbers->begin() + mainCount, numbers->end());
        draw.date = textOr(item.member("lotteryDrawTime"));
        draw.sales = integerOr(item.member("totalSaleAmount"), -1);
        draw.pool = integerOr(item.member("poolBalanceAfterdraw"), -1);
        if (const json::Value* levels = item.member("prizeLevelList")) {
            for (const json::Value& entry : levels->elements()) {
                PrizeLevel level;
                level.name = textOr(entry.member("prizeLevel"));
                level.winners = integerOr(entry.member("stakeCount"), -1);
                level.amount = integerOr(entry.member("stakeAmount"), -1);
                if (level.amount < 0) level.amount = integerOr(entry.member("stakeAmountFormat"), -1);
                if (!level.name.empty()) draw.levels.push_back(level);
            }
        }
        page.draws.push_back(std::move(draw));
    }
    return page;
}

SourcePage readPage(SourceKind kind, std::string_view body, int mainCount) {
    return kind == SourceKind::Cwl ? readCwlPage(body) : readSportteryPage(body, mainCount);
}

std::string importText(std::vector<SourceDraw> draws) {
    std::stable_sort(draws.begin(), draws.end(), [](const SourceDraw& a, const SourceDraw& b) { return a.period < b.period; });
    std::string text;
    int32_t previous = 0;
    for (const SourceDraw& draw : draws) {
        if (draw.period == previous) continue;
        previous = draw.period;
        text += std::to_string(draw.period);
        for (const std::vector<int>* zone : {&draw.main, &draw.secondary})
            for (int n : *zone) {
                text += ' ';
                if (n < 10) text += '0';
                text += std::to_string(n);
            }
        text += "\r\n";
    }
    return text;
}

}  // namespace lottodesk::sources
