#include "drawsource.h"

#include <QList>
#include <algorithm>
#include <vector>

namespace prjdll {
namespace {

constexpr int kMaxNumbers = 50;  // slots 1..50 of a draw record
constexpr int kMaxDigits = 9;    // keeps every value inside a signed 32-bit slot
constexpr int kShownLineLength = 40;

struct Draw {
    int period = 0;
    std::vector<int> numbers;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The decimal value of a token of 1..9 digits, -1 otherwise.
int tokenValue(const QByteArray& token) {
    if (token.isEmpty() || token.size() > kMaxDigits) return -1;
    int value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

QString shown(const QByteArray& line) {
    QString text = QString::fromLatin1(line.left(kShownLineLength));
    if (line.size() > kShownLineLength) text += QStringLiteral("…");
    return text;
}

}  // namespace

HandOver makeHandOver(const QByteArray& source, int lowerBound) {
    QByteArray text = source;
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);

    std::vector<Draw> draws;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        const QString where = QStringLiteral("第%1行").arg(i + 1);

        QList<QByteArray> tokens;
        for (qsizetype pos = 0; pos < line.size();) {
            while (pos < line.size() && isBlank(line[pos])) ++pos;
            const qsizetype start = pos;
            while (pos < line.size() && !isBlank(line[pos])) ++pos;
            if (pos > start) tokens << line.mid(start, pos - start);
        }
        std::vector<int> values;
        for (const QByteArray& token : tokens) {
            const int value = tokenValue(token);
            if (value < 0) return {{}, where + QStringLiteral("不是开奖数据：") + shown(line), 0};
            values.push_back(value);
        }
        if (values.front() == 0) break;  // a period of 0 ends the draws
        if (values.size() < 2) return {{}, where + QStringLiteral("没有号码：") + shown(line), 0};
        if (values.size() > kMaxNumbers + 1) return {{}, where + QStringLiteral("的号码超过%1个").arg(kMaxNumbers), 0};
        draws.push_back({values.front(), std::vector<int>(values.begin() + 1, values.end())});
    }
    if (draws.empty()) return {{}, QStringLiteral("数据来源中没有开奖数据"), 0};

    std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.period < b.period; });
    draws.erase(
        std::unique(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.period == b.period; }),
        draws.end());
    if (lowerBound >= 0)
        draws.erase(std::remove_if(draws.begin(), draws.end(), [&](const Draw& d) { return d.period < lowerBound; }),
                    draws.end());
    if (draws.empty()) return {{}, QStringLiteral("没有第%1期以后的开奖数据").arg(lowerBound), 0};

    HandOver result;
    for (const Draw& draw : draws) {
        result.bytes += QByteArray::number(draw.period) + "\r\n";
        for (size_t k = 0; k < draw.numbers.size(); ++k) {
            if (k > 0) result.bytes += ' ';
            result.bytes += QByteArray::number(draw.numbers[k]);
        }
        result.bytes += "\r\n\r\n";
    }
    result.draws = static_cast<int>(draws.size());
    return result;
}

}  // namespace prjdll
