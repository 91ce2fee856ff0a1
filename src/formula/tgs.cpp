#include "tgs.h"

#include <algorithm>
#include <charconv>

#include "core/integertext.h"
#include "formulafamilies.h"
#include "indicators/historyops.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

enum class Op : uint8_t { None, Add, Sub, Mul, Div, Mod, Reduce, And, Or, Greater, Less, Equal };

constexpr std::string_view kOperatorChars = "+-*/%!&#><=";

bool isOperatorChar(char c) { return kOperatorChars.find(c) != std::string_view::npos; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

Op operatorOf(char c) {
    switch (c) {
    case '+': return Op::Add;
    case '-': return Op::Sub;
    case '*': return Op::Mul;
    case '/': return Op::Div;
    case '%': return Op::Mod;
    case '!': return Op::Reduce;
    case '&': return Op::And;
    case '#': return Op::Or;
    case '>': return Op::Greater;
    case '<': return Op::Less;
    default: return Op::Equal;
    }
}

enum class Function : uint8_t { Max, Min, Mid, Abs, If, Getylz, Getzf, Getylzzf, Getzfylz, Getzb };

constexpr std::pair<std::string_view, Function> kFunctions[] = {
    {"max", Function::Max},
    {"min", Function::Min},
    {"mid", Function::Mid},
    {"abs", Function::Abs},
    {"if", Function::If},
    {"getylz", Function::Getylz},
    {"getzf", Function::Getzf},
    {"getylzzf", Function::Getylzzf},
    {"getzfylz", Function::Getzfylz},
    {"getzb", Function::Getzb},
};

// Raised deep inside an evaluation that must stop (division by zero, a number beyond 32 bits, a
// text that is not an integer) and turned into an EvalResult where the evaluation began. The
// history functions keep it for the draw where it happened (see SeriesMemo) and raise it only
// when they read that draw. A stop inside a formula of a formula family carries that formula's
// complete message.
using FormulaStop = SeriesFault;

constexpr const char* kOutOfRange = "中的数值超出整数范围";

// Results are computed in 64 bits; one that leaves 32 bits stops, as a literal beyond them does.
int32_t checked(int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX) throw FormulaStop{kOutOfRange};
    return static_cast<int32_t>(v);
}

int32_t apply(int32_t a, Op op, int32_t v) {
    switch (op) {
    case Op::None: return v;
    case Op::Add: return checked(int64_t{a} + v);
    case Op::Sub: return checked(int64_t{a} - v);
    case Op::Mul: return checked(int64_t{a} * v);
    case Op::Div:
        if (v == 0) throw FormulaStop{"中除数为0"};
        return checked(int64_t{a} / v);
    case Op::Mod:
        if (v == 0) throw FormulaStop{"中除数为0"};
        return checked(int64_t{a} % v);
    case Op::Reduce:
        // Subtracts v while v < a; a right operand of 0 or less leaves a as it is.
        if (v > 0 && a > v) return (a - 1) % v + 1;
        return a;
    case Op::And: return static_cast<uint32_t>(a) * static_cast<uint32_t>(v) != 0 ? 1 : 0;
    case Op::Or: return a != 0 || v != 0 ? 1 : 0;
    case Op::Greater: return a > v ? 1 : 0;
    case Op::Less: return a < v ? 1 : 0;
    case Op::Equal: return a == v ? 1 : 0;
    }
    return v;
}

}  // namespace

// The evaluation stack: the accumulator and the pending operator of every open group. It grows as
// deep as the parentheses go (the fixed eleven slots of old allowed five open groups).
class tmystack {
public:
    void clear() { m_slots.clear(); }
    int count() const { return static_cast<int>(m_slots.size()); }
    void push(int32_t accumulator, Op pending) { m_slots.emplace_back(accumulator, pending); }
    std::pair<int32_t, Op> pop() {
        const auto top = m_slots.back();
        m_slots.pop_back();
        return top;
    }

private:
    std::vector<std::pair<int32_t, Op>> m_slots;
};

struct Operand {
    enum class Kind : uint8_t { Literal, Identifier, Call } kind = Kind::Literal;
    int offset = 0;
    int32_t literal = 0;
    std::string id;  // identifier, or the text getzb takes verbatim
    ResolvedIdentifier resolved;
    Function function = Function::Max;
    std::vector<FormulaProgram> args;       // every argument compiled as a formula (getzb: all but the last)
    std::unique_ptr<FormulaFamily> family;  // the identifier (getzb's text) is a formula family
    std::string stopReason;                 // getzb's text has a conversion error
};

struct Step {
    enum class Kind : uint8_t { Value, Open, Close, Operator, Stop } kind;
    Op op = Op::None;
    int operand = -1;
    std::string reason;  // Stop
};

struct FormulaProgram {
    std::string text;
    std::vector<Step> steps;
    std::vector<Operand> operands;
    bool ok = true;
    bool tooDeep = false;  // calls nested beyond kMaxCallDepth: the whole formula fails
    std::string error;
    int reach = 0;  // how many draws after the asked one the formula may read

    // The accumulator after the steps; `ok` tells whether the formula was whole.
    int32_t run(const IndicatorContext& ctx, int n) const;
    int32_t operandValue(const Operand& operand, const IndicatorContext& ctx, int n) const;

    static int32_t seriesValue(const void* self, const IndicatorContext& ctx, int n) {
        return static_cast<const FormulaProgram*>(self)->run(ctx, n);
    }
};

namespace {

// a + b for reaches, which never exceed the 32-bit range.
int addReach(int a, int b) { return static_cast<int>(std::min<int64_t>(int64_t{a} + b, INT32_MAX)); }

class Compiler {
public:
    Compiler(FormulaProgram& program, int callDepth = 0) : m_p(program), m_text(program.text), m_callDepth(callDepth) {}

    void compile() {
        if (m_text.empty()) return fail(kErrEmpty);
        enum class After { Start, Open, Operator } after = After::Start;
        auto expectedOperand = [&after, this] {
            if (after == After::Open) return fail(kErrAfterOpen);
            if (after == After::Operator) return fail(kErrAfterOperator);
            fail("");  // a formula that cannot start fails without a text of its own
        };
        while (true) {
            if (m_pos >= m_text.size()) return expectedOperand();
            int offset = 0;
            bool hasOffset = false;
            if (m_text[m_pos] == '[') {
                if (!readOffset(offset)) return;
                hasOffset = true;
                if (m_pos >= m_text.size() || !isLetter(m_text[m_pos])) return expectedOperand();
            }
            const char c = m_text[m_pos];
            if (isDigit(c)) {
                if (!readNumber()) return;
                const char next = peek();
                if (next != ')' && next != ' ' && next != '\0' && !isOperatorChar(next)) return fail(kErrNumber);
            } else if (c == '(') {
                ++m_pos;
                ++m_depth;
                emit(Step::Kind::Open);
                after = After::Open;
                continue;
            } else if (isLetter(c)) {
                if (!readIdentifierOrCall(offset, hasOffset)) return;
            } else {
                return expectedOperand();
            }
            // After an operand: an operator, ")" closing groups, or the end of the formula.
            while (true) {
                const char next = peek();
                if (next == '\0' || next == ' ') return;
                if (isOperatorChar(next)) {
                    m_p.steps.push_back({Step::Kind::Operator, operatorOf(next), -1, {}});
                    ++m_pos;
                    after = After::Operator;
                    break;
                }
                if (next != ')') return fail(m_lastWasCall ? kErrAfterFunction : kErrNumber);
                // Closing groups; after a group anything but an operator or ")" ends the formula.
                while (peek() == ')') {
                    if (m_depth == 0) return fail(kErrParenthesis);
                    --m_depth;
                    ++m_pos;
                    emit(Step::Kind::Close);
                }
                if (!isOperatorChar(peek())) return;
            }
        }
    }

private:
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void fail(std::string message) {
        m_p.ok = false;
        m_p.error = std::move(message);
    }
    // Calls nested too deep fail the whole formula, not only the argument that holds them.
    bool failTooDeep() {
        fail(kErrNesting);
        m_p.tooDeep = true;
        return false;
    }
    void emit(Step::Kind kind) { m_p.steps.push_back({kind, Op::None, -1, {}}); }
    void emitStop(std::string reason) { m_p.steps.push_back({Step::Kind::Stop, Op::None, -1, std::move(reason)}); }
    void emitOperand(Operand operand) {
        m_p.operands.push_back(std::move(operand));
        m_p.steps.push_back({Step::Kind::Value, Op::None, static_cast<int>(m_p.operands.size()) - 1, {}});
    }

    // "[n]": digits and signs up to the "]" (E6 without one, or for another character inside).
    // A text of digits and signs that is no integer ("--1", "+-2", "", "-") is a conversion
    // error, and an integer beyond 32 bits a range error: both stop the evaluation there.
    bool readOffset(int& offset) {
        const size_t close = m_text.find(']', m_pos + 1);
        if (close == std::string_view::npos) {
            fail(kErrOffset);
            return false;
        }
        std::string_view inner = m_text.substr(m_pos + 1, close - m_pos - 1);
        for (char c : inner)
            if (!isDigit(c) && c != '+' && c != '-') {
                fail(kErrOffset);
                return false;
            }
        m_pos = close + 1;
        std::string_view digits = inner;
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
        const bool integer = !digits.empty() && std::all_of(digits.begin(), digits.end(), isDigit);
        if (!integer) {
            emitStop("中" + notAnIntegerMessage(inner));
            return false;
        }
        const std::optional<int> value = parseInteger(inner);
        if (!value) {
            emitStop("中的期数偏移超出整数范围");
            return false;
        }
        offset = *value;
        return true;
    }

    bool readNumber() {
        const size_t start = m_pos;
        while (isDigit(peek())) ++m_pos;
        const std::string_view digits = m_text.substr(start, m_pos - start);
        int32_t value = 0;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (ec != std::errc() || end != digits.data() + digits.size()) {
            emitStop("中的数值超出整数范围");
            return false;
        }
        Operand operand;
        operand.literal = value;
        emitOperand(std::move(operand));
        m_lastWasCall = false;
        return true;
    }

    // Compiles the formulas of a formula family (their reach goes to `reach`); the reason of a
    // conversion error otherwise.
    std::string prepareExtended(Operand& operand, int& reach) {
        const ResolvedIdentifier& resolved = operand.resolved;
        if (resolved.kind != ResolvedIdentifier::Extended) return {};
        if (resolved.conversionError) return "中" + notAnIntegerMessage(resolved.badParameter);
        const std::optional<FormulaFamilyKind> kind = formulaFamilyKind(resolved.family());
        if (!kind) return {};
        operand.family = std::make_unique<FormulaFamily>(*kind, resolved.parameterText(operand.id));
        if (operand.family->conversionError()) return "中" + notAnIntegerMessage(operand.family->badText());
        reach = operand.family->reach();
        return {};
    }

    bool readIdentifierOrCall(int offset, bool hasOffset) {
        const size_t start = m_pos;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (isOperatorChar(c) || c == '(' || c == ')' || c == ' ') break;
            ++m_pos;
        }
        const std::string_view name = m_text.substr(start, m_pos - start);
        Operand operand;
        operand.offset = hasOffset ? offset : 0;
        // What the operand reads after the draw it is read at.
        int inner = 0;
        auto noteReach = [&] { m_p.reach = std::max(m_p.reach, addReach(std::max(operand.offset, 0), inner)); };
        if (peek() != '(') {
            operand.kind = Operand::Kind::Identifier;
            operand.id = std::string(name);
            operand.resolved = resolveIdentifier(name);
            if (std::string reason = prepareExtended(operand, inner); !reason.empty()) {
                emitStop(std::move(reason));
                return false;
            }
            noteReach();
            emitOperand(std::move(operand));
            m_lastWasCall = false;
            return true;
        }
        auto function = std::find_if(std::begin(kFunctions), std::end(kFunctions),
                                     [&](const auto& entry) { return entry.first == name; });
        if (function == std::end(kFunctions)) {
            fail(std::string(name) + kErrNoFunction);
            return false;
        }
        if (m_callDepth >= kMaxCallDepth) return failTooDeep();
        // The body runs to the ")" that balances the call's "(".
        size_t close = m_pos + 1;
        for (int depth = 1; close < m_text.size(); ++close) {
            if (m_text[close] == '(') ++depth;
            if (m_text[close] == ')' && --depth == 0) break;
        }
        if (close >= m_text.size()) {
            fail(kErrFunctionBody);
            return false;
        }
        operand.kind = Operand::Kind::Call;
        operand.function = function->second;
        std::vector<std::string_view> args = splitArguments(m_text.substr(m_pos + 1, close - m_pos - 1));
        if (operand.function == Function::Getzb) {
            operand.id = std::string(args.back());
            operand.resolved = resolveIdentifier(operand.id);
            operand.stopReason = prepareExtended(operand, inner);
            args.pop_back();
        }
        for (std::string_view arg : args) {
            FormulaProgram program;
            program.text = std::string(arg);
            Compiler(program, m_callDepth + 1).compile();
            if (program.tooDeep) return failTooDeep();
            inner = std::max(inner, program.reach);
            operand.args.push_back(std::move(program));
        }
        noteReach();
        emitOperand(std::move(operand));
        m_pos = close + 1;
        m_lastWasCall = true;
        return true;
    }

    // Splits at the commas of the call's own level.
    static std::vector<std::string_view> splitArguments(std::string_view body) {
        std::vector<std::string_view> args;
        int depth = 0;
        size_t start = 0;
        for (size_t i = 0; i < body.size(); ++i) {
            if (body[i] == '(')
                ++depth;
            else if (body[i] == ')')
                --depth;
            else if (body[i] == ',' && depth == 0) {
                args.push_back(body.substr(start, i - start));
                start = i + 1;
            }
        }
        args.push_back(body.substr(start));
        return args;
    }

    FormulaProgram& m_p;
    std::string_view m_text;
    size_t m_pos = 0;
    int m_depth = 0;
    int m_callDepth = 0;
    bool m_lastWasCall = false;
};

// The mean of `values` rounded to one decimal, halves to even, times ten; exact.
int64_t meanTimesTen(const std::vector<int32_t>& values) {
    int64_t sum = 0;
    for (int32_t v : values) sum += v;
    const int64_t count = static_cast<int64_t>(values.size());
    const int64_t numerator = sum * 10;
    int64_t quotient = numerator / count;
    int64_t remainder = numerator % count;
    if (remainder < 0) {
        remainder += count;
        --quotient;
    }
    // quotient + remainder/count, remainder in 0..count-1: round half to even.
    if (remainder * 2 > count || (remainder * 2 == count && quotient % 2 != 0)) ++quotient;
    return quotient;
}

}  // namespace

int32_t FormulaProgram::run(const IndicatorContext& ctx, int n) const {
    int32_t acc = 0;
    Op pending = Op::None;
    tmystack stack;
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Kind::Value: acc = apply(acc, pending, operandValue(operands[step.operand], ctx, n)); break;
        case Step::Kind::Operator: pending = step.op; break;
        case Step::Kind::Open:
            stack.push(acc, pending);
            acc = 0;
            pending = Op::None;
            break;
        case Step::Kind::Close: {
            const auto [saved, op] = stack.pop();
            acc = apply(saved, op, acc);
            break;
        }
        case Step::Kind::Stop: throw FormulaStop{step.reason};
        }
    }
    return acc;
}

namespace {

int32_t familyValue(const FormulaFamily& family, const IndicatorContext& ctx, int n) {
    EvalResult result = family.evaluate(ctx, n);
    if (result.fault == EvalResult::Fault::Stop) throw FormulaStop{std::move(result.message), true};
    return result.value;
}

}  // namespace

int32_t FormulaProgram::operandValue(const Operand& operand, const IndicatorContext& ctx, int n) const {
    // An offset moves by whole draws and stops at the first or the last one.
    const int count = std::max(ctx.history.count(), 1);
    const int m =
        operand.offset == 0 ? n : static_cast<int>(std::clamp<int64_t>(int64_t{n} + operand.offset, 1, count));
    switch (operand.kind) {
    case Operand::Kind::Literal: return operand.literal;
    case Operand::Kind::Identifier:
        if (operand.family) return familyValue(*operand.family, ctx, m);
        return resolvedValue(operand.resolved, operand.id, ctx, m);
    case Operand::Kind::Call: break;
    }
    // Every argument is evaluated; a broken one gives what it reached.
    std::vector<int32_t> values;
    values.reserve(operand.args.size());
    auto all = [&] {
        for (const FormulaProgram& arg : operand.args) values.push_back(arg.run(ctx, m));
    };
    auto series = [&]() {
        for (size_t i = 0; i + 1 < operand.args.size(); ++i) operand.args[i].run(ctx, m);
        const FormulaProgram& last = operand.args.back();
        return SeriesRef{last.text, nullptr, &last, &FormulaProgram::seriesValue, last.reach};
    };
    switch (operand.function) {
    case Function::Max: {
        all();
        int32_t result = -1;
        for (int32_t v : values) result = std::max(result, v);
        return result;
    }
    case Function::Min: {
        all();
        int32_t result = 999999;
        for (int32_t v : values) result = std::min(result, v);
        return result;
    }
    case Function::Mid: {
        all();
        const int64_t mean = meanTimesTen(values);
        int32_t best = values.front();
        int64_t bestDistance = INT64_MAX;
        for (int32_t v : values) {
            const int64_t distance = std::abs(int64_t{v} * 10 - mean);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = v;
            }
        }
        return best;
    }
    case Function::Abs: all(); return values.back() < 0 ? checked(-int64_t{values.back()}) : values.back();
    case Function::If:
        all();
        if (values.size() == 1) return 0;
        if (values.size() == 2) return values[0] != 0 ? 0 : values[1];
        return values[0] != 0 ? values[1] : values.back();
    case Function::Getylz: return omissionAt(ctx, series(), m);
    case Function::Getzf: return checked(amplitude64At(ctx, series(), m));
    case Function::Getylzzf: return omissionAmplitudeAt(ctx, series(), m);
    case Function::Getzfylz: return amplitudeOmissionAt(ctx, series(), m);
    case Function::Getzb:
        all();
        if (!operand.stopReason.empty()) throw FormulaStop{operand.stopReason};
        if (operand.family) return familyValue(*operand.family, ctx, m);
        return resolvedValue(operand.resolved, operand.id, ctx, m);
    }
    return 0;
}

namespace {

bool findUnknownIdentifier(const FormulaProgram& program, std::string& found) {
    for (const Operand& operand : program.operands) {
        for (const FormulaProgram& arg : operand.args)
            if (findUnknownIdentifier(arg, found)) return true;
        const bool named = operand.kind == Operand::Kind::Identifier ||
                           (operand.kind == Operand::Kind::Call && operand.function == Function::Getzb);
        if (!named) continue;
        if (operand.resolved.kind == ResolvedIdentifier::Unknown) {
            found = operand.id;
            return true;
        }
        if (operand.family)
            for (const tgs& formula : operand.family->formulas())
                if (std::optional<std::string> inner = formula.firstUnknownIdentifier()) {
                    found = std::move(*inner);
                    return true;
                }
    }
    return false;
}

}  // namespace

std::optional<std::string> tgs::firstUnknownIdentifier() const {
    std::string found;
    if (!findUnknownIdentifier(*m_program, found)) return std::nullopt;
    return found;
}

tgs::tgs() : m_program(std::make_unique<FormulaProgram>()) {
    m_program->ok = false;
    m_program->error = kErrEmpty;
}

tgs::tgs(std::string_view text) : tgs() { compile(text); }

tgs::~tgs() = default;
tgs::tgs(tgs&&) noexcept = default;
tgs& tgs::operator=(tgs&&) noexcept = default;

void tgs::compile(std::string_view text) {
    m_program = std::make_unique<FormulaProgram>();
    m_program->text = std::string(text);
    Compiler(*m_program).compile();
}

const std::string& tgs::text() const { return m_program->text; }
bool tgs::readsForward() const { return m_program->reach > 0; }
int tgs::reach() const { return m_program->reach; }

EvalResult tgs::evaluate(const IndicatorContext& ctx, int n) const {
    EvalResult result;
    try {
        result.value = m_program->run(ctx, n);
    } catch (const FormulaStop& stop) {
        result.ok = false;
        result.fault = EvalResult::Fault::Stop;
        result.message = stop.complete ? stop.reason : "公式“" + m_program->text + "”" + stop.reason + "，计算已停止";
        return result;
    }
    if (!m_program->ok) {
        result.ok = false;
        result.fault = EvalResult::Fault::Syntax;
        result.message = m_program->error;
    }
    return result;
}

}  // namespace lottodesk
