#pragma once
// What a person enters for a lottery type: the check of the typed fields before anything is
// stored, and the common games a type can be filled from.

#include <span>
#include <string>

#include "cpstyle.h"

namespace lottodesk {

// The most main and secondary numbers a type entered by hand may draw: the generator, the prize
// table and the secondary-zone filters handle these shapes.
constexpr int kMaxEnteredMain = 7;
constexpr int kMaxEnteredSecondary = 2;
constexpr int kHighestNumber = 49;

// The fields of a type as typed, numbers as text.
struct TypeForm {
    std::string cpmm;
    std::string zhgs;
    std::string zh_from;
    std::string zh_to;
    bool hasspec = true;
    std::string fhgs;       // read only when hasspec
    std::string spec_from;  // read only when hasspec
    std::string spec_to;    // read only when hasspec
};

// Why the form cannot be stored, naming the field ("" when it can): a name, integers everywhere,
// 1..7 main numbers, 1..2 secondary numbers when the game has them, and zone ranges within 0..49
// that go upwards and hold at least as many numbers as are drawn.
std::string typeFormProblem(const TypeForm& form);

// Stores a form that passed typeFormProblem into `type` (name cut to what the file keeps). A type
// without a secondary zone keeps its secondary range and gets fhgs 0.
void storeTypeForm(const TypeForm& form, tcpstyle& type);

// A common game: its name and shape, labels left to applyZoneLabels.
struct TypePreset {
    const char* name;
    uint8_t zhgs, zh_from, zh_to;
    bool hasspec;
    uint8_t fhgs, spec_from, spec_to;
};

// 双色球, 超级大乐透, 七乐彩 and Lotto 6/49.
std::span<const TypePreset> typePresets();

// The form a preset fills; a game without a secondary zone leaves the secondary fields empty.
TypeForm presetForm(const TypePreset& preset);

}  // namespace lottodesk
