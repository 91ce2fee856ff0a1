// Any bytes as a history (damaged numbers, repeats, any values): the rankings stay permutations of
// the main range and the transformed numbers stay places 0..range, for every game shape offered.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/datatransform.h"
#include "core/s_dm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lottodesk;
    if (size < 4) return 0;
    // The first bytes choose the game; the rest are records.
    GameParams game;
    game.zhgs = 3 + data[0] % 5;
    game.zh_from = data[1] % 2;
    game.zh_to = game.zh_from + game.zhgs - 1 + data[2] % (kMaxTransformRange - game.zhgs);
    const int transform = 1 + data[3] % 4;
    if (offeredTransforms(game) != kTransformKinds) return 0;
    data += 4;
    size -= 4;
    t_s_dm history, rankings, copy;
    const size_t stride = 1 + static_cast<size_t>(game.zhgs) * sizeof(int32_t);
    DrawRecord record{};
    for (size_t at = 0; at + stride <= size; at += stride) {
        record.fill(0);
        record[0] = static_cast<int32_t>(at);
        std::memcpy(&record[1], data + at + 1, stride - 1);
        if (data[at] & 1)  // keep most numbers plausible, so rankings move
            for (int i = 1; i <= game.zhgs; ++i)
                record[i] = game.zh_from + std::abs(record[i] % (game.zh_to - game.zh_from + 1));
        history.Append();
        history.setRecord(history.RecNo(), record);
    }
    buildRankings(history, game, transform, rankings);
    buildTransformedCopy(history, rankings, game, copy);
    const int d = game.zh_to - game.zh_from + 1;
    for (int k = 1; k <= rankings.RecordCount(); ++k) {
        uint64_t seen = 0;
        for (int i = 1; i <= d; ++i) seen |= uint64_t{1} << (rankings.FieldValueAt(k, i) - game.zh_from);
        if (seen != (d == 64 ? ~uint64_t{0} : (uint64_t{1} << d) - 1)) std::abort();
        for (int i = 1; i <= game.zhgs && k > 1; ++i)
            if (copy.FieldValueAt(k, i) < 0 || copy.FieldValueAt(k, i) > d) std::abort();
    }
    return 0;
}
