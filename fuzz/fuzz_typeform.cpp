// Any text in the fields of the lottery type dialog: a form the check passes stores a type the
// program can play (fitType leaves it as it is).
#include <cassert>
#include <string>
#include <string_view>

#include "core/typeform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    if (size < 1) return 0;
    // The first byte ticks the secondary zone; the rest are the fields, separated by '|'.
    TypeForm form;
    form.hasspec = (data[0] & 1) != 0;
    std::string* fields[] = {&form.cpmm, &form.zhgs,      &form.zh_from, &form.zh_to,
                             &form.fhgs, &form.spec_from, &form.spec_to};
    size_t field = 0;
    for (char c : std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)) {
        if (c == '|') {
            if (++field == std::size(fields)) break;
        } else {
            fields[field]->push_back(c);
        }
    }
    if (!typeFormProblem(form).empty()) return 0;
    tcpstyle type;
    storeTypeForm(form, type);
    assert(type.zhgs >= 1 && type.zhgs <= kMaxEnteredMain && type.zh_from < type.zh_to && type.zh_to <= 49);
    assert(type.zh_to - type.zh_from + 1 >= type.zhgs);
    if (type.hasspec) assert(type.fhgs >= 1 && type.spec_to - type.spec_from + 1 >= type.fhgs);
    tcpstyle fitted = type;
    assert(fitType(fitted).empty());
    return 0;
}
