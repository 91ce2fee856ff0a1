#include <gtest/gtest.h>

#include "core/typeform.h"

namespace lottodesk {
namespace {

TypeForm ssq() { return presetForm(typePresets()[0]); }

TEST(TypeForm, FieldsAreCheckedBeforeAnythingIsStored) {
    struct Case {
        const char* what;
        void (*edit)(TypeForm&);
        const char* message;
    } cases[] = {
        {"sound", [](TypeForm&) {}, ""},
        {"empty name", [](TypeForm& f) { f.cpmm = "  "; }, "彩种名称不能为空"},
        {"count not a number", [](TypeForm& f) { f.zhgs = "六"; }, "开奖主号个数：“六”不是有效的整数"},
        {"range not a number", [](TypeForm& f) { f.zh_to = "abc"; }, "主号范围的结束号码：“abc”不是有效的整数"},
        {"no main numbers", [](TypeForm& f) { f.zhgs = "0"; }, "开奖主号个数必须在1到7之间"},
        {"eight main numbers", [](TypeForm& f) { f.zhgs = "8"; }, "开奖主号个数必须在1到7之间"},
        {"range downwards", [](TypeForm& f) { f.zh_from = "40", f.zh_to = "3"; }, "主号范围的起始号码必须小于结束号码"},
        {"range of one number", [](TypeForm& f) { f.zh_from = f.zh_to = "5"; }, "主号范围的起始号码必须小于结束号码"},
        {"above 49", [](TypeForm& f) { f.zh_to = "50"; }, "主号范围必须在0到49之间"},
        {"a byte would wrap", [](TypeForm& f) { f.zh_to = "289"; }, "主号范围必须在0到49之间"},
        {"below 0", [](TypeForm& f) { f.zh_from = "-1"; }, "主号范围必须在0到49之间"},
        {"too narrow", [](TypeForm& f) { f.zh_from = "1", f.zh_to = "5"; }, "主号范围只有5个号码，少于开奖主号个数6个"},
        {"exactly wide enough", [](TypeForm& f) { f.zh_from = "1", f.zh_to = "6"; }, ""},
        {"zero secondary", [](TypeForm& f) { f.fhgs = "0"; }, "有特别号码时，特别号码个数必须在1到2之间"},
        {"three secondary", [](TypeForm& f) { f.fhgs = "3"; }, "有特别号码时，特别号码个数必须在1到2之间"},
        {"secondary downwards", [](TypeForm& f) { f.spec_from = "16", f.spec_to = "1"; },
         "特别号码范围的起始号码必须小于结束号码"},
        {"secondary too narrow", [](TypeForm& f) { f.fhgs = "2", f.spec_from = "1", f.spec_to = "1"; },
         "特别号码范围的起始号码必须小于结束号码"},
        {"secondary not a number", [](TypeForm& f) { f.spec_from = ""; }, "特别号码范围的起始号码：“”不是有效的整数"},
        {"no secondary zone: its fields are not read",
         [](TypeForm& f) { f.hasspec = false, f.fhgs = "x", f.spec_from = "40", f.spec_to = "3"; }, ""},
        {"digit game from 0", [](TypeForm& f) { f.zhgs = "3", f.zh_from = "0", f.zh_to = "9"; }, ""},
    };
    for (const Case& c : cases) {
        TypeForm form = ssq();
        c.edit(form);
        EXPECT_EQ(typeFormProblem(form), c.message) << c.what;
    }
}

TEST(TypeForm, PresetsAreSoundAndStoreTheirShape) {
    struct Expected {
        const char* name;
        int zhgs, zh_from, zh_to, hasspec, fhgs, spec_from, spec_to;
    } expected[] = {
        {"双色球", 6, 1, 33, 1, 1, 1, 16},
        {"超级大乐透", 5, 1, 35, 1, 2, 1, 12},
        {"七乐彩", 7, 1, 30, 1, 1, 1, 30},
        {"Lotto 6/49", 6, 1, 49, 0, 0, 1, 16},  // the secondary range is kept
    };
    ASSERT_EQ(typePresets().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Expected& e = expected[i];
        const TypeForm form = presetForm(typePresets()[i]);
        EXPECT_EQ(typeFormProblem(form), "") << e.name;
        tcpstyle type = defaultType(int(i));
        type.ltorsz = 0;
        storeTypeForm(form, type);
        const tcpstyle want{e.name,
                            uint8_t(e.zhgs),
                            uint8_t(e.zh_from),
                            uint8_t(e.zh_to),
                            uint8_t(e.fhgs),
                            uint8_t(e.spec_from),
                            uint8_t(e.spec_to),
                            uint8_t(e.hasspec),
                            0,
                            "",
                            ""};
        EXPECT_EQ(type, want) << e.name << " (kind and labels are kept)";
    }
}

TEST(TypeForm, StoringWithoutSecondaryZoneKeepsItsRangeAndClearsTheCount) {
    TypeForm form = ssq();
    form.hasspec = false;
    form.fhgs = "2";
    form.spec_from = "x";
    tcpstyle type = defaultType(0);
    type.spec_to = 12;
    storeTypeForm(form, type);
    EXPECT_EQ(type.hasspec, 0);
    EXPECT_EQ(type.fhgs, 0);
    EXPECT_EQ(type.spec_from, 1);
    EXPECT_EQ(type.spec_to, 12);
}

TEST(TypeForm, LongNamesAreStoredCut) {
    TypeForm form = ssq();
    form.cpmm = std::string(60, 'x');
    tcpstyle type;
    storeTypeForm(form, type);
    EXPECT_EQ(type.cpmm, std::string(50, 'x'));
}

}  // namespace
}  // namespace lottodesk
